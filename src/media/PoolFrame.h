#pragma once

#include <QImage>
#include <QSharedPointer>

#include <cstdint>

class FramePool;
struct AVFrame;

// One frame out of a FramePool, owned by whoever holds the handle: destroying or resetting the
// handle gives the frame back, so a frame is never lost on a stop, an error or an exception.
// Moving hands the frame on; there are no copies. An empty handle marks the end of a stream.
class PoolFrame
{
public:
    PoolFrame() = default;
    // Takes the frame, acquired from `pool` (null makes an empty handle).
    PoolFrame(QSharedPointer<FramePool> pool, AVFrame* frame);
    // Acquires a frame for `key` (see FramePool::acquire); empty when memory runs out.
    static PoolFrame acquire(const QSharedPointer<FramePool>& pool, const void* key);
    ~PoolFrame();
    PoolFrame(PoolFrame&& other) noexcept;
    PoolFrame& operator=(PoolFrame&& other) noexcept;
    PoolFrame(const PoolFrame&) = delete;
    PoolFrame& operator=(const PoolFrame&) = delete;

    explicit operator bool() const { return frame != nullptr; }
    void reset();

    // The frame's BGRA pixels as an image that paints into the frame itself, without a copy.
    // Valid while this handle holds the frame.
    QImage image() const;
    // The frame's number in its stream (its time stamp in frame units).
    int64_t index() const;
    void setIndex(int64_t index);
    // Asks the encoder to start a group of pictures at this frame (a point readers can seek to),
    // or leaves the choice to it.
    void setKeyFrame(bool key);

    // For the media layer's decoders and encoders.
    AVFrame* get() const { return frame; }

private:
    QSharedPointer<FramePool> pool;
    AVFrame* frame = nullptr;
};
