#pragma once

#include <QObject>
#include <QSettings>

class QWindow;

// How the program ends ("session" in QML): nothing a person made is lost on the way out. The
// window asks before it closes; a close while a video is being made is put to the person, and
// SIGTERM (a logout) or a quit saves and stops the render, whose unfinished file is removed.
// GUI thread.
class SessionPres : public QObject
{
    Q_OBJECT
public:
    static SessionPres* instance();

    // The window is about to close: saves the project and where the window stands. True when it
    // may close now; false while a video is being made, for the window to ask whether to stop it.
    Q_INVOKABLE bool mayClose(QWindow* window);
    // Puts the window where and as large as it was left last time (maximised too); false when
    // there is nothing stored or it would lie off every screen.
    Q_INVOKABLE bool placeWindow(QWindow* window);
    // Stops the render (its partial file is removed), saves and quits.
    Q_INVOKABLE void stopRenderAndQuit();

public slots:
    // Saves, stops a running render and ends the event loop. Safe to call more than once.
    void quit();

private:
    explicit SessionPres(QObject* parent = nullptr);
    void saveAndStop();

    QSettings settings;
};
