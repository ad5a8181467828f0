#include "media/FrameQueue.h"

#include "media/FramePool.h"

void FrameQueue::push(AVFrame* frame)
{
    QMutexLocker lock(&mutex);
    frames.push_back(frame);
    arrived.wakeAll();
}

AVFrame* FrameQueue::take()
{
    QMutexLocker lock(&mutex);
    while (frames.empty())
        arrived.wait(&mutex);
    AVFrame* front = frames.front();
    if (front)
        frames.pop_front();
    return front;
}

void FrameQueue::drainInto(FramePool& pool)
{
    std::deque<AVFrame*> left;
    {
        QMutexLocker lock(&mutex);
        left.swap(frames);
    }
    // The queue's lock is never held while calling into the pool.
    for (AVFrame* frame : left)
        pool.release(frame);
}
