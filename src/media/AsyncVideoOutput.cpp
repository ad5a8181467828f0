#include "media/AsyncVideoOutput.h"

#include <QThread>

AsyncVideoOutput::~AsyncVideoOutput()
{
    finish();
}

void AsyncVideoOutput::start(const OutputSettings& settings)
{
    thread = new QThread;
    worker = new VideoOutputWorker(settings);
    connect(worker, &VideoOutputWorker::error, this, &AsyncVideoOutput::onError,
            Qt::DirectConnection);
    worker->moveToThread(thread);
    connect(thread, &QThread::started, worker, &VideoOutputWorker::process);
    connect(worker, &VideoOutputWorker::finished, thread, &QThread::quit);
    thread->start(QThread::InheritPriority);
}

void AsyncVideoOutput::writeVideoFrame(QSharedPointer<FramePool> pool, AVFrame* frame, int num,
                                       int den, double seconds)
{
    worker->enqueue(OutputCommand::videoFrame(std::move(pool), frame, num, den, seconds));
}

void AsyncVideoOutput::addPtsOffset(int64_t frames, int num, int den)
{
    worker->enqueue(OutputCommand::ptsOffset(frames, num, den));
}

void AsyncVideoOutput::finish()
{
    if (!worker)
        return;
    worker->requestFinish();
    thread->quit();
    thread->wait();
    // Commands left after an abort go with the worker, and their frames back to the pool.
    delete worker;
    delete thread;
    worker = nullptr;
    thread = nullptr;
}

void AsyncVideoOutput::onError()
{
    emit error();
}
