#pragma once

#include "media/FrameQueue.h"
#include "media/IAsyncAVInput.h"

#include <QObject>
#include <QSharedPointer>
#include <QString>

class AsyncVideoInputWorker;
class FramePool;
class QThread;

// A background video decoded ahead on its own thread into the render's frame pool. Starts at
// construction; destruction stops the worker, joins the thread and returns queued frames.
// A file that cannot be opened or read reports "Video input reader failed", emits error() and
// ends the stream.
class AsyncVideoInput : public QObject, public IAsyncAVInput
{
    Q_OBJECT
public:
    AsyncVideoInput(QSharedPointer<FramePool> pool, const QString& path);
    ~AsyncVideoInput() override;

    AVFrame* getFrame() override;

signals:
    void error();

public slots:
    void onFrameRead(AVFrame* frame);
    void onError();

private:
    FrameQueue queue;
    QThread* thread;
    AsyncVideoInputWorker* worker;
    QSharedPointer<FramePool> pool;
};
