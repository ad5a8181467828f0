#pragma once

#include "base/Worker.h"
#include "media/FrameQueue.h"

// What runs a frame source's production on its own thread: the run fills pool frames and
// delivers each to the source's queue, then an empty frame as the end marker.
class AsyncSourceWorker : public Worker
{
    Q_OBJECT
public:
    // Set by the source before the run starts; the queue outlives the run.
    void deliverTo(FrameQueue* queue) { out = queue; }

protected:
    void deliver(PoolFrame frame) { out->push(std::move(frame)); }

private:
    FrameQueue* out = nullptr;
};
