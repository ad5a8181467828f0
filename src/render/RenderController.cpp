#include "render/RenderController.h"

#include "render/RenderWorker.h"

#include <QThread>

RenderController::RenderController(QObject* parent) : QObject(parent) {}

RenderController::~RenderController()
{
    release();
}

void RenderController::release()
{
    if (thread) {
        thread->quit();
        thread->wait();
    }
    delete worker;
    delete thread;
    worker = nullptr;
    thread = nullptr;
}

void RenderController::start(QSharedPointer<Project> project,
                             QSharedPointer<TemplateDescription> theme, const QString& path)
{
    release();
    worker = new RenderWorker(std::move(project), std::move(theme), path);
    thread = new QThread;
    worker->moveToThread(thread);
    connect(thread, &QThread::started, worker, &RenderWorker::process);
    connect(worker, &RenderWorker::done, this, &RenderController::workerDone);
    connect(worker, &RenderWorker::error, this, &RenderController::workerError);
    connect(worker, &RenderWorker::onProgress, this, &RenderController::renderProgress);
    connect(worker, &RenderWorker::onPreview, this, &RenderController::renderPreview);
    connect(worker, &RenderWorker::stopped, this, &RenderController::workerStopped);
    connect(worker, &RenderWorker::finished, thread, &QThread::quit);
    thread->start(QThread::InheritPriority);
}

void RenderController::stop()
{
    if (worker)
        worker->stop();
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
