#pragma once

#include "media/AsyncFrameSource.h"

#include <QString>
#include <QVector>

#include <atomic>

// A background video decoded ahead on its own thread into the render's frame pool. Starts at
// construction; destruction stops the worker, joins the thread and returns queued frames.
// A file that cannot be opened or read emits error() and ends the stream; failure() then says
// why. The engine tells the person, once.
class AsyncVideoInput : public AsyncFrameSource
{
    Q_OBJECT
public:
    // `schedule`: the file's frame to show for each frame of the stream (a scene played longer
    // or shorter than its video); empty for the file as it is.
    AsyncVideoInput(QSharedPointer<FramePool> pool, const QString& path,
                    const QVector<int>& schedule = {});
    // Joins the worker while this object is still whole: its error() reaches onError() directly.
    ~AsyncVideoInput() override;

    bool failed() const override { return readFailed; }
    QString failure() const override;

signals:
    void error();

public slots:
    void onError(const QString& reason);

private:
    // Set on the worker's thread before it queues the end marker.
    std::atomic<bool> readFailed{false};
    QString reason; // written before readFailed is set, read after it is seen
};
