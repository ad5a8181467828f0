#include "media/FrameQueue.h"

void FrameQueue::push(PoolFrame frame)
{
    QMutexLocker lock(&mutex);
    frames.push_back(std::move(frame));
    arrived.wakeAll();
}

PoolFrame FrameQueue::take()
{
    QMutexLocker lock(&mutex);
    while (frames.empty())
        arrived.wait(&mutex);
    if (!frames.front())
        return {};
    PoolFrame front = std::move(frames.front());
    frames.pop_front();
    return front;
}

void FrameQueue::clear()
{
    std::deque<PoolFrame> left;
    {
        QMutexLocker lock(&mutex);
        left.swap(frames);
    }
    // The queue's lock is never held while the frames go back to the pool.
}
