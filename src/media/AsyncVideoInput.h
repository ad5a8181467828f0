#pragma once

#include "media/AsyncFrameSource.h"

#include <QString>

#include <atomic>

// A background video decoded ahead on its own thread into the render's frame pool. Starts at
// construction; destruction stops the worker, joins the thread and returns queued frames.
// A file that cannot be opened or read reports "Video input reader failed", emits error() and
// ends the stream.
class AsyncVideoInput : public AsyncFrameSource
{
    Q_OBJECT
public:
    AsyncVideoInput(QSharedPointer<FramePool> pool, const QString& path);
    // Joins the worker while this object is still whole: its error() reaches onError() directly.
    ~AsyncVideoInput() override;

    bool failed() const override { return readFailed; }

signals:
    void error();

public slots:
    void onError();

private:
    // Set on the worker's thread before it queues the end marker.
    std::atomic<bool> readFailed{false};
};
