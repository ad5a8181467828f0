#include "media/AsyncVideoInput.h"

#include "media/AsyncVideoInputWorker.h"
#include "media/FramePool.h"

#include <QThread>

AsyncVideoInput::AsyncVideoInput(QSharedPointer<FramePool> pool, const QString& path)
    : thread(new QThread), worker(new AsyncVideoInputWorker(pool, path)), pool(pool)
{
    worker->moveToThread(thread);
    connect(worker, &AsyncVideoInputWorker::frameRead, this, &AsyncVideoInput::onFrameRead,
            Qt::DirectConnection);
    connect(worker, &AsyncVideoInputWorker::error, this, &AsyncVideoInput::onError,
            Qt::DirectConnection);
    connect(thread, &QThread::started, worker, &AsyncVideoInputWorker::process);
    connect(worker, &AsyncVideoInputWorker::finished, thread, &QThread::quit);
    thread->start(QThread::InheritPriority);
}

AsyncVideoInput::~AsyncVideoInput()
{
    worker->stopRequested = true;
    thread->quit();
    thread->wait();
    queue.drainInto(*pool);
    delete worker;
    delete thread;
}

AVFrame* AsyncVideoInput::getFrame()
{
    return queue.take();
}

void AsyncVideoInput::onFrameRead(AVFrame* frame)
{
    queue.push(frame);
}

void AsyncVideoInput::onError()
{
    emit error();
}
