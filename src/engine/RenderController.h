#pragma once

#include "base/SharedTypes.h"
#include "base/WorkerThread.h"
#include "project/Project.h"
#include "templates/TemplateDescription.h"

#include <QObject>

// Owns the render thread and its worker; the worker's reports are this object's signals, delivered
// on the GUI thread (connected through, queued across the threads).
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
    void progressed(float percent);
    void previewReady(QSharedPointer<QImage> image);

private:
    WorkerThread thread;
};
