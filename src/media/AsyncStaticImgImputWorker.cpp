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

void AsyncStaticImgImputWorker::process()
{
    while (!stopRequested) {
        if (!pool->waitForRoom(stillFrame, kMaxFramesOut, 10))
            continue; // checks for a stop at least every 10 ms
        if (remaining <= 0) {
            emit frameRead(nullptr);
            break;
        }
        AVFrame* frame = pool->acquire(stillFrame);
        if (!frame) {
            emit frameRead(nullptr); // out of memory: end the scene rather than hang
            break;
        }
        --remaining;
        av_image_copy(frame->data, frame->linesize, const_cast<const uint8_t**>(stillFrame->data),
                      stillFrame->linesize, AV_PIX_FMT_BGRA, stillFrame->width, stillFrame->height);
        frame->width = stillFrame->width;
        frame->height = stillFrame->height;
        frame->pts = nextPts++;
        emit frameRead(frame);
    }
    emit finished();
}
