#include "media/PoolFrame.h"

#include "media/FramePool.h"

extern "C" {
#include <libavutil/frame.h>
}

PoolFrame::PoolFrame(QSharedPointer<FramePool> pool, AVFrame* frame)
    : pool(frame ? std::move(pool) : nullptr), frame(frame)
{
}

PoolFrame PoolFrame::acquire(const QSharedPointer<FramePool>& pool, const void* key)
{
    return PoolFrame(pool, pool->acquire(key));
}

PoolFrame::~PoolFrame()
{
    reset();
}

PoolFrame::PoolFrame(PoolFrame&& other) noexcept
    : pool(std::move(other.pool)), frame(std::exchange(other.frame, nullptr))
{
}

PoolFrame& PoolFrame::operator=(PoolFrame&& other) noexcept
{
    if (this != &other) {
        reset();
        pool = std::move(other.pool);
        frame = std::exchange(other.frame, nullptr);
    }
    return *this;
}

void PoolFrame::reset()
{
    if (frame)
        pool->release(frame);
    frame = nullptr;
    pool.reset();
}

QImage PoolFrame::image() const
{
    if (!frame)
        return {};
    return QImage(frame->data[0], frame->width, frame->height, frame->linesize[0],
                  QImage::Format_RGB32);
}

int64_t PoolFrame::index() const
{
    return frame ? frame->pts : 0;
}

void PoolFrame::setIndex(int64_t index)
{
    if (frame)
        frame->pts = index;
}

void PoolFrame::setKeyFrame(bool key)
{
    if (frame)
        frame->pict_type = key ? AV_PICTURE_TYPE_I : AV_PICTURE_TYPE_NONE;
}
