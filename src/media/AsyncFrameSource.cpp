#include "media/AsyncFrameSource.h"

#include "media/AsyncSourceWorker.h"
#include "media/FramePool.h"

AsyncFrameSource::AsyncFrameSource(QSharedPointer<FramePool> pool) : pool(std::move(pool)) {}

void AsyncFrameSource::start(AsyncSourceWorker* worker)
{
    // The queue is filled on the worker's thread, under the queue's own lock.
    worker->deliverTo(&queue);
    thread.start(worker);
}

AsyncFrameSource::~AsyncFrameSource()
{
    shutDown();
}

void AsyncFrameSource::shutDown()
{
    thread.stop();
    queue.clear();
}

PoolFrame AsyncFrameSource::getFrame()
{
    return queue.take();
}
