#pragma once

#include <QObject>

class QSocketNotifier;

// Turns SIGTERM and SIGHUP (a logout, a system shutdown, `kill`) into a Qt signal on the thread
// that created the watcher, so that the program can save and end in order instead of dying
// mid-edit. A signal handler may do almost nothing: it writes one byte into a socket pair, and
// the event loop reads it. One watcher per process. Elsewhere than on Unix it never fires.
class TerminationSignal : public QObject
{
    Q_OBJECT
public:
    explicit TerminationSignal(QObject* parent = nullptr);
    ~TerminationSignal() override;

signals:
    void terminationRequested();

private:
    void onReadable();

    QSocketNotifier* notifier = nullptr;
};
