#pragma once

class QThread;
class Worker;

// The one way a job gets a thread of its own. start() moves the worker to a new thread and runs
// it; stop() asks it to stop and joins; join() waits for it to end by itself. Call them from the
// owner's thread. Both then delete
// the worker and the thread, and so does destruction: a running worker never outlives its owner.
// Jobs nobody waits for (a thumbnail, an error report) are started with detach().
class WorkerThread
{
public:
    WorkerThread() = default;
    ~WorkerThread();
    WorkerThread(const WorkerThread&) = delete;
    WorkerThread& operator=(const WorkerThread&) = delete;
    // Takes over the other's job (stopping and joining its own first), leaving it empty: a
    // job asked to stop can be put aside and joined once it has ended, never waited for.
    WorkerThread& operator=(WorkerThread&& other) noexcept;

    // Takes ownership of the worker; a worker still running is stopped first.
    void start(Worker* worker);
    void stop();
    void join();
    // Asks a running worker to stop, without waiting for it.
    void requestStop();
    bool isStarted() const { return thread != nullptr; }
    // Started and its run() not yet returned.
    bool isRunning() const;

    // Runs the worker on a thread that deletes itself and the worker once run() has returned.
    static void detach(Worker* worker);

private:
    QThread* thread = nullptr;
    Worker* worker = nullptr;
};
