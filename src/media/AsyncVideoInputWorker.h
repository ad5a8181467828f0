#pragma once

#include "media/IAsyncAVInput.h"

#include <QObject>
#include <QSharedPointer>
#include <QString>

#include <atomic>

class FramePool;

// Decodes a video file into pool frames on the source's thread, keeping at most six frames of
// its own out of the pool, then emits the end marker (null). Plays the file once.
class AsyncVideoInputWorker : public QObject
{
    Q_OBJECT
public:
    static constexpr int kMaxFramesOut = 6;

    AsyncVideoInputWorker(QSharedPointer<FramePool> pool, const QString& path);

    std::atomic<bool> stopRequested{false};

signals:
    void finished();
    void frameRead(AVFrame* frame);
    void error();

public slots:
    void process();

private:
    QString path;
    QSharedPointer<FramePool> pool;
};
