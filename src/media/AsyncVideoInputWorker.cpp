#include "media/AsyncVideoInputWorker.h"

#include "media/FramePool.h"
#include "media/VideoInput.h"
#include "shell/CommonError.h"

AsyncVideoInputWorker::AsyncVideoInputWorker(QSharedPointer<FramePool> pool, const QString& path)
    : path(path), pool(std::move(pool))
{
}

void AsyncVideoInputWorker::process()
{
    try {
        VideoInput reader(path);
        while (!stopRequested) {
            if (!pool->waitForRoom(this, kMaxFramesOut, 10))
                continue; // checks for a stop at least every 10 ms
            AVFrame* frame = pool->acquire(this);
            if (!frame)
                throw AVERROR(ENOMEM);
            if (reader.readFrame(frame)) {
                emit frameRead(frame);
                continue;
            }
            pool->release(frame);
            emit frameRead(nullptr);
            break;
        }
    } catch (int) {
        CommonError::instance()->report(QStringLiteral("Video input reader failed"));
        emit error();
        // The consumer must not wait for ever: the scene ends as if the video had ended.
        emit frameRead(nullptr);
    }
    emit finished();
}
