#pragma once

#include "media/IAsyncAVInput.h"

#include <QObject>
#include <QSharedPointer>

#include <atomic>

class FramePool;

// Copies one still picture into `count` pool frames (pts 0, 1, 2, ...), keeping at most three out
// of the pool under the still frame's key, then emits the end marker.
class AsyncStaticImgImputWorker : public QObject
{
    Q_OBJECT
public:
    static constexpr int kMaxFramesOut = 3;

    AsyncStaticImgImputWorker(const AVFrame* stillFrame, QSharedPointer<FramePool> pool, int count);

    std::atomic<bool> stopRequested{false};

signals:
    void finished();
    void frameRead(AVFrame* frame);

public slots:
    void process();

private:
    const AVFrame* stillFrame; // the owner's
    int64_t nextPts = 0;
    QSharedPointer<FramePool> pool;
    int remaining;
};
