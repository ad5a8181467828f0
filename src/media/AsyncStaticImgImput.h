#pragma once

#include "media/AsyncFrameSource.h"

#include <QString>

#include <memory>

// A still background: the picture cover-fitted to width x height once, then delivered as
// `framesCount` identical frames (pts 0, 1, 2, ...) and the end marker. A picture that cannot be
// loaded gives black frames. Starts at construction; destruction joins and returns queued frames.
class AsyncStaticImgImput : public AsyncFrameSource
{
    Q_OBJECT
public:
    AsyncStaticImgImput(QSharedPointer<FramePool> pool, const QString& path, int height, int width,
                        int framesCount);
    ~AsyncStaticImgImput() override;

private:
    struct StillFrame;
    std::unique_ptr<StillFrame> stillFrame; // read by the worker until shutDown()
};
