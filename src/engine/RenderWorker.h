#pragma once

#include "base/SharedTypes.h"
#include "project/Project.h"
#include "templates/TemplateDescription.h"

#include "base/Worker.h"

#include <QMutex>

class LibavRender;

// Runs one render on the render thread and thins its per-frame progress into one preview per
// second of video (frames 1, 31, 61, ...), 300 pixels high.
// Every run ends in exactly one of done(), error() or stopped().
class RenderWorker : public Worker
{
    Q_OBJECT
public:
    RenderWorker(QSharedPointer<Project> project, QSharedPointer<TemplateDescription> theme,
                 const QString& outputPath);

signals:
    void done(QString path);
    void error();
    void stopped();
    void onProgress(float percent);
    void onPreview(QSharedPointer<QImage> image);

public slots:
    void onRenderProgress(QSharedPointer<QImage> image, double percent);

protected:
    void run() override;
    // From the GUI thread: the running engine is told at once.
    void onStopRequested() override;

private:
    QSharedPointer<Project> project;
    QSharedPointer<TemplateDescription> theme;
    QString outputPath;
    QMutex engineLock; // guards `engine` between a stop request and the end of run()
    LibavRender* engine = nullptr;
    int counter = -1;
};
