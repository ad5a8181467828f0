#pragma once

#include "base/SharedTypes.h"
#include "base/WorkerThread.h"
#include "project/Project.h"
#include "templates/TemplateDescription.h"

#include <QObject>

// Owns the render thread and its worker; passes the worker's reports on to the GUI thread.
// Destruction stops a running render and joins the thread.
class RenderController : public QObject
{
    Q_OBJECT
public:
    explicit RenderController(QObject* parent = nullptr);
    ~RenderController() override;

    void start(QSharedPointer<Project> project, QSharedPointer<TemplateDescription> theme,
               const QString& path);
    void stop();

signals:
    void done();
    void error();
    void stopped();
    void onProgress(float progress);
    void onPreview(QSharedPointer<QImage> image);

public slots:
    void workerDone(const QString& resultPath);
    void workerError();
    void renderProgress(float progress);
    void renderPreview(QSharedPointer<QImage> image);
    void workerStopped();

private:
    WorkerThread thread;
};
