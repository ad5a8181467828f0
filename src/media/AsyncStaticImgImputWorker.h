#pragma once

#include "media/AsyncSourceWorker.h"

#include <QSharedPointer>

#include <cstdint>

class FramePool;

// Copies one still picture into `count` pool frames (pts 0, 1, 2, ...), keeping at most two out
// of the pool under the still frame's key, then delivers the end marker.
class AsyncStaticImgImputWorker : public AsyncSourceWorker
{
    Q_OBJECT
public:
    static constexpr int kMaxFramesOut = 2;

    AsyncStaticImgImputWorker(const AVFrame* stillFrame, QSharedPointer<FramePool> pool, int count);

protected:
    void run() override;

private:
    const AVFrame* stillFrame; // the owner's
    int64_t nextPts = 0;
    QSharedPointer<FramePool> pool;
    int remaining;
};
