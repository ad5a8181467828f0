#include "images/ThumbWorkerBase.h"

ThumbWorkerBase::ThumbWorkerBase(const ThumbGeneratorTask& task) : task(task) {}

ThumbWorkerBase::~ThumbWorkerBase() = default;

void ThumbWorkerBase::run()
{
    emit done(task, generate(task));
}
