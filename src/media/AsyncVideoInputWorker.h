#pragma once

#include "media/AsyncSourceWorker.h"

#include <QSharedPointer>
#include <QString>

class FramePool;

// Decodes a video file into pool frames on the source's thread, keeping at most two frames of
// its own out of the pool (a 1080p frame is 8 MB; more ahead did not render faster: the encoder
// is the slow end), then delivers the end marker (an empty frame). Plays the file once.
class AsyncVideoInputWorker : public AsyncSourceWorker
{
    Q_OBJECT
public:
    static constexpr int kMaxFramesOut = 2;

    AsyncVideoInputWorker(QSharedPointer<FramePool> pool, const QString& path);

signals:
    void error(const QString& reason);

protected:
    void run() override;

private:
    QString path;
    QSharedPointer<FramePool> pool;
};
