#include "UiFixture.h"

#include "shell/AppWiring.h"

#include <QQuickItem>
#include <QQuickStyle>
#include <QTest>

UiFixture::UiFixture()
{
    QQuickStyle::setStyle(QStringLiteral("qrc:/UiStyle"));
    QQuickWindow::setSceneGraphBackend(QSGRendererInterface::Software);
    AppWiring::wire(engine, 1.0);
}

bool UiFixture::load()
{
    engine.load(QUrl(QStringLiteral("qrc:/main.qml")));
    if (engine.rootObjects().isEmpty())
        return false;
    // The screens load asynchronously behind the splash: ready once the window knows its stack.
    QObject* root = engine.rootObjects().value(0);
    const auto ready = [&] {
        return root->property("stackView").value<QObject*>() != nullptr &&
               find(QStringLiteral("themesScreen")) != nullptr;
    };
    for (int waited = 0; waited < 20000 && !ready(); waited += 50)
        QTest::qWait(50);
    settle();
    return ready();
}

QQuickWindow* UiFixture::window() const
{
    return qobject_cast<QQuickWindow*>(engine.rootObjects().value(0));
}

QObject* UiFixture::find(const QString& objectName) const
{
    QObject* root = engine.rootObjects().value(0);
    if (!root)
        return nullptr;
    if (QObject* found = root->findChild<QObject*>(objectName))
        return found;
    // Screens are created without a QObject parent: look through the visual tree too.
    const auto* window = qobject_cast<QQuickWindow*>(root);
    // From the window's root item: screens and the pop-up overlay both hang below it.
    QQuickItem* top = window->contentItem();
    while (top->parentItem())
        top = top->parentItem();
    QList<QQuickItem*> pending = {top};
    while (!pending.isEmpty()) {
        QQuickItem* item = pending.takeFirst();
        if (item->objectName() == objectName)
            return item;
        pending << item->childItems();
    }
    return nullptr;
}

QString UiFixture::currentScreen() const
{
    return engine.rootObjects().value(0)->property("currentComponent").toString();
}

void UiFixture::navigate(const QString& screen)
{
    QMetaObject::invokeMethod(engine.rootObjects().value(0), "navigate", Q_ARG(QVariant, screen));
    settle();
}

bool UiFixture::click(const QString& objectName)
{
    QObject* button = find(objectName);
    if (!button || !button->property("enabled").toBool())
        return false;
    QMetaObject::invokeMethod(button, "clicked");
    settle();
    return true;
}

void UiFixture::settle(int ms)
{
    QTest::qWait(ms);
}
