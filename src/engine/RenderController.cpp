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
    connect(worker, &RenderWorker::done, this, &RenderController::done);
    connect(worker, &RenderWorker::error, this, &RenderController::error);
    connect(worker, &RenderWorker::progressed, this, &RenderController::progressed);
    connect(worker, &RenderWorker::previewReady, this, &RenderController::previewReady);
    connect(worker, &RenderWorker::stopped, this, &RenderController::stopped);
    thread.start(worker);
}

void RenderController::stop()
{
    thread.requestStop();
}
