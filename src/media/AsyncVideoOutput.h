#pragma once

#include "base/WorkerThread.h"
#include "media/VideoOutputWorker.h"

#include <QObject>
#include <QSharedPointer>

// The encoder and muxer front end of a render. The render thread queues finished frames and time
// offsets without waiting; a worker on its own thread encodes them. error() is delivered by
// direct connection on the worker's thread, at the moment of the failure.
class AsyncVideoOutput : public QObject
{
    Q_OBJECT
public:
    AsyncVideoOutput() = default;
    ~AsyncVideoOutput() override;

    void start(const OutputSettings& settings);
    // Hands a pool frame over for encoding; `seconds` is its time in the video.
    void writeVideoFrame(PoolFrame frame, int num, int den, double seconds);
    void addPtsOffset(int64_t frames, int num, int den);
    // Drains the queue, closes the file and joins the thread. Afterwards the file is complete,
    // or (after an error) partial.
    void finish();

signals:
    void error();

public slots:
    void onError();

private:
    WorkerThread thread;
    VideoOutputWorker* worker = nullptr; // owned by `thread`
};
