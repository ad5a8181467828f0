#include "images/ThumbWorkerBase.h"

ThumbWorkerBase::ThumbWorkerBase(const ThumbGeneratorTask& task) : task(task) {}

ThumbWorkerBase::~ThumbWorkerBase() = default;

void ThumbWorkerBase::process()
{
    const QSharedPointer<QImage> img = generate(task);
    emit done(task, img);
    emit finished();
}
