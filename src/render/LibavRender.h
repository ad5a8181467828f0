#pragma once

#include "project/Project.h"
#include "templates/TemplateDescription.h"

#include <QImage>
#include <QObject>
#include <QSharedPointer>
#include <QString>

#include <atomic>

class AsyncVideoOutput;
class FramePool;
class ISceneReader;
class Scene;

// Plays one project's scene plan into one MP4: per plan entry a background source and a scene
// reader, cross-fades between consecutive scenes, the fade-in and fade-out, progress per frame.
// render() runs synchronously on the render thread; the frame sources and the encoder run on
// threads of their own. stop() and encoder errors may arrive from any thread at any time.
class LibavRender : public QObject
{
    Q_OBJECT
public:
    LibavRender(QSharedPointer<Project> project, QSharedPointer<TemplateDescription> theme,
                const QString& outputPath);
    ~LibavRender() override;

    // Renders to the end, or until stopped or failed. After a stop or a failure the partial file
    // is deleted. True unless an error occurred (a stop is not an error).
    virtual bool render();
    virtual void stop();

    // Frames the plan will write (overlaps counted once).
    static int totalFrames(const Project& project, const TemplateDescription& theme);

signals:
    // Once per output frame, on the render thread, with the picture just composed and the
    // percentage done. The receiver must be done with the picture when it returns.
    void progress(QSharedPointer<QImage> img, double percent);

public slots:
    void onError();

private:
    bool renderEntries(AsyncVideoOutput& output, const QSharedPointer<FramePool>& pool);
    QSharedPointer<ISceneReader> openScene(const Scene& scene, const ScenePlanEntry& entry,
                                           const QSharedPointer<FramePool>& pool);
    void fail(const QString& message);
    void failBackground(const Scene& scene);

    const int timeBaseNum = 1;
    const int timeBaseDen = 30;
    std::atomic<bool> stopRequested{false};
    int outputHeight;
    int outputWidth;
    QSharedPointer<Project> project;
    QSharedPointer<TemplateDescription> theme;
    QString outputPath;
    std::atomic<bool> failed{false};
};
