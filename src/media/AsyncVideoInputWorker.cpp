#include "media/AsyncVideoInputWorker.h"

#include "base/Failure.h"
#include "media/FramePool.h"
#include "media/LibavFailure.h"
#include "media/VideoInput.h"

AsyncVideoInputWorker::AsyncVideoInputWorker(QSharedPointer<FramePool> pool, const QString& path)
    : path(path), pool(std::move(pool))
{
}

void AsyncVideoInputWorker::run()
{
    try {
        VideoInput reader(path);
        while (!stopRequested()) {
            if (!pool->waitForRoom(this, kMaxFramesOut, 10))
                continue; // checks for a stop at least every 10 ms
            PoolFrame frame = PoolFrame::acquire(pool, this);
            if (!frame)
                throwLibav("av_frame_alloc", AVERROR(ENOMEM));
            if (!reader.readFrame(frame.get())) {
                deliver({});
                break;
            }
            deliver(std::move(frame));
        }
    } catch (const Failure& failure) {
        emit error(failure.reason());
        // The consumer must not wait for ever: the scene ends as if the video had ended.
        deliver({});
    }
}
