#pragma once

#include <QObject>

// How the program ends ("session" in QML): nothing a person made is lost on the way out. The
// window asks before it closes; a close while a video is being made is put to the person, and
// SIGTERM (a logout) or a quit saves and stops the render, whose unfinished file is removed.
// GUI thread.
class SessionPres : public QObject
{
    Q_OBJECT
public:
    static SessionPres* instance();

    // The window is about to close: saves the project. True when it may close now; false while
    // a video is being made, for the window to ask whether to stop it.
    Q_INVOKABLE bool mayClose();
    // Stops the render (its partial file is removed), saves and quits.
    Q_INVOKABLE void stopRenderAndQuit();

public slots:
    // Saves, stops a running render and ends the event loop. Safe to call more than once.
    void quit();

private:
    explicit SessionPres(QObject* parent = nullptr);
    void saveAndStop();
};
