#include "media/FramePool.h"

#include "media/VideoSize.h"

extern "C" {
#include <libavutil/frame.h>
}

FramePool::FramePool(QSize size) : frameWidth(size.width()), frameHeight(size.height()) {}

FramePool::FramePool(bool fullHd) : FramePool(videoSize(fullHd)) {}

FramePool::~FramePool()
{
    for (AVFrame* frame : freeFrames)
        av_frame_free(&frame);
}

AVFrame* FramePool::acquire(const void* key)
{
    QMutexLocker locker(&lock);
    AVFrame* frame = nullptr;
    if (!freeFrames.empty()) {
        frame = freeFrames.front();
        freeFrames.pop_front();
    } else {
        frame = av_frame_alloc();
        if (!frame)
            return nullptr;
        frame->format = AV_PIX_FMT_BGRA;
        frame->width = frameWidth;
        frame->height = frameHeight;
        if (av_frame_get_buffer(frame, 32) < 0) {
            av_frame_free(&frame);
            return nullptr;
        }
    }
    frame->width = frameWidth;
    frame->height = frameHeight;
    // The producer's key travels in the one field nothing else in the pipeline touches.
    frame->opaque = const_cast<void*>(key);
    ++inUseCounts[key];
    return frame;
}

void FramePool::release(AVFrame* frame)
{
    if (!frame)
        return;
    QMutexLocker locker(&lock);
    freeFrames.push_back(frame);
    --inUseCounts[frame->opaque];
    frameReturned.wakeAll();
}

bool FramePool::waitForRoom(const void* key, int limit, int timeoutMs)
{
    QMutexLocker locker(&lock);
    if (inUseCounts.value(key, 0) < limit)
        return true;
    frameReturned.wait(&lock, timeoutMs);
    return inUseCounts.value(key, 0) < limit;
}

int FramePool::inUse(const void* key) const
{
    QMutexLocker locker(&lock);
    return inUseCounts.value(key, 0);
}

int FramePool::framesOut() const
{
    QMutexLocker locker(&lock);
    int total = 0;
    for (int count : inUseCounts)
        total += count;
    return total;
}
