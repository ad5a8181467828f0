#include "media/FrameQueue.h"

#include "media/FramePool.h"

#include <QThread>

void FrameQueue::push(AVFrame* frame)
{
    QMutexLocker lock(&mutex);
    frames.push_back(frame);
}

AVFrame* FrameQueue::take()
{
    mutex.lock();
    while (frames.empty()) {
        mutex.unlock();
        QThread::msleep(10);
        mutex.lock();
    }
    AVFrame* front = frames.front();
    if (front)
        frames.pop_front();
    mutex.unlock();
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
