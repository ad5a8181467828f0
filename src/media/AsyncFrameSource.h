#pragma once

#include "base/WorkerThread.h"
#include "media/FrameQueue.h"
#include "media/IAsyncAVInput.h"

#include <QObject>
#include <QSharedPointer>

class AsyncSourceWorker;
class FramePool;

// The thread and queue plumbing the frame sources share: the worker runs on a thread of its own
// from start() on; destruction stops it, joins the thread and gives queued frames back to the pool.
class AsyncFrameSource : public QObject, public IAsyncAVInput
{
    Q_OBJECT
public:
    ~AsyncFrameSource() override;

    // Waits for the next frame; empty at the end, for ever after.
    PoolFrame getFrame() override;

protected:
    explicit AsyncFrameSource(QSharedPointer<FramePool> pool);
    // Takes ownership of the worker and starts its thread.
    void start(AsyncSourceWorker* worker);
    // Stops the worker, joins its thread and returns queued frames. Derived sources whose
    // members the worker reads call it first in their destructor; calling it again is harmless.
    void shutDown();

    QSharedPointer<FramePool> pool;

private:
    FrameQueue queue;
    WorkerThread thread;
};
