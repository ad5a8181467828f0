#include "media/AsyncFrameSource.h"

#include "media/AsyncSourceWorker.h"
#include "media/FramePool.h"

#include <QThread>

AsyncFrameSource::AsyncFrameSource(QSharedPointer<FramePool> pool) : pool(std::move(pool)) {}

void AsyncFrameSource::start(AsyncSourceWorker* newWorker)
{
    worker = newWorker;
    thread = new QThread;
    worker->moveToThread(thread);
    // The queue is filled on the worker's thread, under the queue's own lock.
    connect(worker, &AsyncSourceWorker::frameRead, this, &AsyncFrameSource::onFrameRead,
            Qt::DirectConnection);
    connect(thread, &QThread::started, worker, &AsyncSourceWorker::process);
    connect(worker, &AsyncSourceWorker::finished, thread, &QThread::quit);
    thread->start(QThread::InheritPriority);
}

AsyncFrameSource::~AsyncFrameSource()
{
    shutDown();
}

void AsyncFrameSource::shutDown()
{
    if (worker)
        worker->stopRequested = true;
    if (thread) {
        thread->quit();
        thread->wait();
    }
    queue.drainInto(*pool);
    delete worker;
    delete thread;
    worker = nullptr;
    thread = nullptr;
}

AVFrame* AsyncFrameSource::getFrame()
{
    return queue.take();
}

void AsyncFrameSource::onFrameRead(AVFrame* frame)
{
    queue.push(frame);
}
