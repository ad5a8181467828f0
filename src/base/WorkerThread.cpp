#include "base/WorkerThread.h"

#include "base/Worker.h"

#include <QCoreApplication>
#include <QThread>

#include <utility>

namespace {

QThread* threadFor(Worker* worker)
{
    auto* thread = new QThread;
    // The system shows the job's name for the thread (in top, a debugger, /proc).
    thread->setObjectName(QString::fromLatin1(worker->metaObject()->className()));
    worker->moveToThread(thread);
    QObject::connect(thread, &QThread::started, worker, &Worker::process);
    // Direct: the thread's owner may be blocked in join(), and a queued quit would never arrive.
    QObject::connect(worker, &Worker::finished, thread, &QThread::quit, Qt::DirectConnection);
    return thread;
}

} // namespace

WorkerThread::~WorkerThread()
{
    stop();
}

WorkerThread& WorkerThread::operator=(WorkerThread&& other) noexcept
{
    if (&other != this) {
        stop();
        thread = std::exchange(other.thread, nullptr);
        worker = std::exchange(other.worker, nullptr);
    }
    return *this;
}

bool WorkerThread::isRunning() const
{
    return thread && !thread->isFinished();
}

void WorkerThread::start(Worker* newWorker)
{
    stop();
    worker = newWorker;
    thread = threadFor(worker);
    thread->start(QThread::InheritPriority);
}

void WorkerThread::requestStop()
{
    if (worker)
        worker->requestStop();
}

void WorkerThread::stop()
{
    requestStop();
    join();
}

void WorkerThread::join()
{
    if (!thread)
        return;
    thread->wait();
    delete worker;
    delete thread;
    worker = nullptr;
    thread = nullptr;
}

void WorkerThread::detach(Worker* worker)
{
    QThread* thread = threadFor(worker);
    // The caller may be a thread without an event loop: the GUI thread owns the QThread object,
    // so that its deferred deletion really happens.
    if (auto* app = QCoreApplication::instance())
        thread->moveToThread(app->thread());
    QObject::connect(thread, &QThread::finished, worker, &QObject::deleteLater);
    QObject::connect(thread, &QThread::finished, thread, &QObject::deleteLater);
    thread->start(QThread::InheritPriority);
}
