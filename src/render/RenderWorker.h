#pragma once

#include "project/Project.h"
#include "shell/SharedTypes.h"
#include "templates/TemplateDescription.h"

#include <QMutex>
#include <QObject>

#include <atomic>

class LibavRender;

// Runs one render on the render thread and thins its per-frame progress into one preview per
// second of video (frames 1, 31, 61, ...), 300 pixels high.
class RenderWorker : public QObject
{
    Q_OBJECT
public:
    RenderWorker(QSharedPointer<Project> project, QSharedPointer<TemplateDescription> theme,
                 const QString& outputPath);

    // From the GUI thread: asks the running engine to stop.
    void stop();

signals:
    void finished();
    void done(QString path);
    void error();
    void stopped();
    void onProgress(float percent);
    void onPreview(QSharedPointer<QImage> image);

public slots:
    void process();
    void onRenderProgress(QSharedPointer<QImage> image, double percent);

private:
    QSharedPointer<Project> project;
    QSharedPointer<TemplateDescription> theme;
    QString outputPath;
    QMutex engineLock; // guards `engine` between stop() and the end of process()
    LibavRender* engine = nullptr;
    std::atomic<bool> stopRequested{false};
    int counter = -1;
};
