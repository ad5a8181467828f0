#pragma once

#include "media/FrameQueue.h"
#include "media/IAsyncAVInput.h"

#include <QObject>
#include <QSharedPointer>
#include <QString>

#include <memory>

class AsyncStaticImgImputWorker;
class FramePool;
class QThread;

// A still background: the picture cover-fitted to width x height once, then delivered as
// `framesCount` identical frames (pts 0, 1, 2, ...) and the end marker. A picture that cannot be
// loaded gives black frames. Starts at construction; destruction joins and returns queued frames.
class AsyncStaticImgImput : public QObject, public IAsyncAVInput
{
    Q_OBJECT
public:
    AsyncStaticImgImput(QSharedPointer<FramePool> pool, const QString& path, int height, int width,
                        int framesCount);
    ~AsyncStaticImgImput() override;

    AVFrame* getFrame() override;

public slots:
    void onFrameRead(AVFrame* frame);

private:
    struct StillFrame;
    std::unique_ptr<StillFrame> stillFrame;
    FrameQueue queue;
    QThread* thread;
    AsyncStaticImgImputWorker* worker;
    QSharedPointer<FramePool> pool;
};
