#pragma once

#include <QObject>
#include <QQmlApplicationEngine>
#include <QQuickWindow>
#include <QVariant>

// The real window with the real presenters, as the program starts it (offscreen in tests).
class UiFixture
{
public:
    UiFixture();
    bool load();

    QQuickWindow* window() const;
    QObject* find(const QString& objectName) const;
    QString currentScreen() const;
    void navigate(const QString& screen);
    // Emits a button's clicked() as a press would.
    bool click(const QString& objectName);
    // Waits until every pending event and animation has run.
    static void settle(int ms = 400);

private:
    QQmlApplicationEngine engine;
};
