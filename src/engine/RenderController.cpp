#include "engine/RenderController.h"

#include "engine/RenderWorker.h"

RenderController::RenderController(QObject* parent) : QObject(parent)
{
    registerSharedMetaTypes(); // previews cross to the GUI thread in queued signals
}

RenderController::~RenderController() = default;

void RenderController::start(QSharedPointer<Project> project,
                             QSharedPointer<TemplateDescription> theme, const QString& path)
{
    thread.stop();
    auto* worker = new RenderWorker(std::move(project), std::move(theme), path);
    connect(worker, &RenderWorker::done, this, &RenderController::workerDone);
    connect(worker, &RenderWorker::error, this, &RenderController::workerError);
    connect(worker, &RenderWorker::onProgress, this, &RenderController::renderProgress);
    connect(worker, &RenderWorker::onPreview, this, &RenderController::renderPreview);
    connect(worker, &RenderWorker::stopped, this, &RenderController::workerStopped);
    thread.start(worker);
}

void RenderController::stop()
{
    thread.requestStop();
}

void RenderController::workerDone(const QString&)
{
    emit done();
}

void RenderController::workerError()
{
    emit error();
}

void RenderController::renderProgress(float progress)
{
    emit onProgress(progress);
}

void RenderController::renderPreview(QSharedPointer<QImage> image)
{
    emit onPreview(image);
}

void RenderController::workerStopped()
{
    emit stopped();
}
