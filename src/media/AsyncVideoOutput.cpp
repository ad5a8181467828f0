#include "media/AsyncVideoOutput.h"

AsyncVideoOutput::~AsyncVideoOutput()
{
    finish();
}

void AsyncVideoOutput::start(const OutputSettings& settings)
{
    worker = new VideoOutputWorker(settings);
    connect(worker, &VideoOutputWorker::error, this, &AsyncVideoOutput::onError,
            Qt::DirectConnection);
    thread.start(worker);
}

void AsyncVideoOutput::writeVideoFrame(PoolFrame frame, int num, int den, double seconds)
{
    worker->enqueue(OutputCommand::videoFrame(std::move(frame), num, den, seconds));
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
    // Commands left after an abort go with the worker, and their frames back to the pool.
    thread.join();
    worker = nullptr;
}

void AsyncVideoOutput::onError()
{
    emit error();
}
