#pragma once

#include <QMutex>
#include <QWaitCondition>

#include <deque>
#include <memory>

class FramePool;
struct AVFrame;

// The hand-over between a frame source's worker thread and its consumer: frames in order, then
// the end marker (null). The consumer sleeps until an entry arrives; there is no bound here, the
// frame pool bounds how far a producer runs ahead.
class FrameQueue
{
public:
    void push(AVFrame* frame); // worker thread; null is the end marker
    // Consumer thread: waits for the next entry; the end marker stays in place for later calls.
    AVFrame* take();
    // Gives every queued frame back to the pool (the source is going away).
    void drainInto(FramePool& pool);

private:
    QMutex mutex;
    QWaitCondition arrived;
    std::deque<AVFrame*> frames;
};
