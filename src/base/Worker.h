#pragma once

#include <QObject>

#include <atomic>

// A job that runs on a WorkerThread. run() does the work on that thread and returns when the work
// is done or soon after requestStop(); finished() follows every run, stopped or not, so whoever
// waits for it is never left waiting.
class Worker : public QObject
{
    Q_OBJECT
public:
    // Any thread: asks run() to return early. run() polls stopRequested().
    void requestStop()
    {
        stopFlag = true;
        onStopRequested();
    }
    bool stopRequested() const { return stopFlag; }

signals:
    void finished();

public slots:
    // Runs on the worker's thread when it starts.
    void process();

protected:
    virtual void run() = 0;
    // Called on the requesting thread, for work that must be told more than the flag.
    virtual void onStopRequested() {}

private:
    std::atomic<bool> stopFlag{false};
};
