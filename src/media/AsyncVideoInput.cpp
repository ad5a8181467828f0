#include "media/AsyncVideoInput.h"

#include "media/AsyncVideoInputWorker.h"

AsyncVideoInput::AsyncVideoInput(QSharedPointer<FramePool> pool, const QString& path,
                                 const QVector<int>& schedule)
    : AsyncFrameSource(pool)
{
    auto* worker = new AsyncVideoInputWorker(pool, path, schedule);
    connect(worker, &AsyncVideoInputWorker::error, this, &AsyncVideoInput::onError,
            Qt::DirectConnection);
    start(worker);
}

AsyncVideoInput::~AsyncVideoInput()
{
    shutDown();
}

void AsyncVideoInput::onError(const QString& why)
{
    reason = why;
    readFailed = true;
    emit error();
}

QString AsyncVideoInput::failure() const
{
    return readFailed ? reason : QString();
}
