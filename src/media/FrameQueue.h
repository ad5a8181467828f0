#pragma once

#include "media/PoolFrame.h"

#include <QMutex>
#include <QWaitCondition>

#include <deque>

// The hand-over between a frame source's worker thread and its consumer: frames in order, then
// the end marker (an empty frame). The consumer sleeps until an entry arrives; there is no bound
// here, the frame pool bounds how far a producer runs ahead. Frames still queued go back to
// their pool with the queue.
class FrameQueue
{
public:
    void push(PoolFrame frame); // worker thread; an empty frame is the end marker
    // Consumer thread: waits for the next entry; the end marker stays in place for later calls.
    PoolFrame take();
    // Gives every queued frame back to its pool (the source is going away).
    void clear();

private:
    QMutex mutex;
    QWaitCondition arrived;
    std::deque<PoolFrame> frames;
};
