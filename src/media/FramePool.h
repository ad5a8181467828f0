#pragma once

#include <QMap>
#include <QMutex>
#include <QSize>
#include <QWaitCondition>

#include <deque>

struct AVFrame;

// The full-size BGRA frames of one render (the video's size, rows aligned to 32 bytes). Frames
// circulate between the frame sources, the render loop and the encoder, and come back here for
// reuse in first-in first-out order, so a warmed-up render allocates none. Per-producer in-use
// counts are the pipeline's only back-pressure. Thread-safe. The pipeline holds its frames in
// PoolFrame handles, which give them back; acquire() and release() are the handles' own business.
class FramePool
{
public:
    explicit FramePool(QSize size);
    explicit FramePool(bool fullHd);
    ~FramePool();
    FramePool(const FramePool&) = delete;
    FramePool& operator=(const FramePool&) = delete;

    // A frame for `key` (the producer's address): the oldest free one, or a new one. Null only
    // when memory runs out.
    AVFrame* acquire(const void* key);
    // Back to the free list; the count of the key that acquired it goes down.
    void release(AVFrame* frame);
    int inUse(const void* key) const;
    // Waits until `key` holds fewer than `limit` frames, at most `timeoutMs`; true when it does.
    // Producers wake as soon as a frame comes back instead of polling.
    bool waitForRoom(const void* key, int limit, int timeoutMs);
    // Frames out of the pool over all producers.
    int framesOut() const;

    int width() const { return frameWidth; }
    int height() const { return frameHeight; }

private:
    const int frameWidth;
    const int frameHeight;
    mutable QMutex lock;
    QWaitCondition frameReturned;
    std::deque<AVFrame*> freeFrames;
    QMap<const void*, int> inUseCounts;
};
