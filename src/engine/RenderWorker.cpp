#include "engine/RenderWorker.h"

#include "engine/LibavRender.h"

RenderWorker::RenderWorker(QSharedPointer<Project> project,
                           QSharedPointer<TemplateDescription> theme, const QString& outputPath)
    : project(std::move(project)), theme(std::move(theme)), outputPath(outputPath)
{
}

void RenderWorker::run()
{
    auto* render = new LibavRender(project, theme, outputPath);
    connect(render, &LibavRender::progress, this, &RenderWorker::onRenderProgress,
            Qt::DirectConnection);
    {
        QMutexLocker lock(&engineLock);
        engine = render;
    }
    // A stop that came before the engine existed still counts.
    if (stopRequested())
        render->stop();
    const bool ok = render->render();
    {
        QMutexLocker lock(&engineLock);
        engine = nullptr;
    }
    delete render;
    if (stopRequested())
        emit stopped();
    else if (ok)
        emit done(outputPath);
    else
        emit error();
}

void RenderWorker::onStopRequested()
{
    QMutexLocker lock(&engineLock);
    if (engine)
        engine->stop();
}

void RenderWorker::onRenderProgress(QSharedPointer<QImage> image, double percent)
{
    emit onProgress(float(percent));
    if (++counter % 30 == 0)
        emit onPreview(
            QSharedPointer<QImage>::create(image->scaledToHeight(300, Qt::SmoothTransformation)));
}
