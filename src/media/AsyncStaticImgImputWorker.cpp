#include "media/AsyncStaticImgImputWorker.h"

#include "media/FramePool.h"

extern "C" {
#include <libavutil/frame.h>
#include <libavutil/imgutils.h>
}

AsyncStaticImgImputWorker::AsyncStaticImgImputWorker(const AVFrame* stillFrame,
                                                     QSharedPointer<FramePool> pool, int count)
    : stillFrame(stillFrame), pool(std::move(pool)), remaining(count)
{
}

void AsyncStaticImgImputWorker::run()
{
    while (!stopRequested()) {
        if (!pool->waitForRoom(stillFrame, kMaxFramesOut, 10))
            continue; // checks for a stop at least every 10 ms
        PoolFrame frame = remaining > 0 ? PoolFrame::acquire(pool, stillFrame) : PoolFrame();
        if (!frame) {
            deliver({}); // the end, or out of memory: end the scene rather than hang
            break;
        }
        --remaining;
        AVFrame* target = frame.get();
        av_image_copy(target->data, target->linesize, const_cast<const uint8_t**>(stillFrame->data),
                      stillFrame->linesize, AV_PIX_FMT_BGRA, stillFrame->width, stillFrame->height);
        target->width = stillFrame->width;
        target->height = stillFrame->height;
        frame.setIndex(nextPts++);
        deliver(std::move(frame));
    }
}
