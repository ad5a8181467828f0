#pragma once

#include "media/PoolFrame.h"
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
//
// Threads and hand-offs (times in frames of 1/30 s unless said otherwise):
//   background threads, one per open scene: decode a video or copy a still into pool frames, at
//       most two ahead each, and queue them;
//   render thread, render(): per output frame take the next frame from the scene's reader (which
//       paints the photos or texts into it in place), blend the scene fading out over it, report
//       progress, darken it for the fades, hand it to the output;
//   output thread (AsyncVideoOutput): encodes the frames in order, writes the music up to each
//       frame's time (seconds), closes the file.
// Ownership: a frame is held by one PoolFrame at a time: the source's queue, the reader until
// takeFrame(), the render loop, then the output's queue; the last holder gives it back by
// letting go. stop() and encoder errors may arrive from any thread at any time.
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
    // Where the render loop is in the plan.
    struct Pass
    {
        QSharedPointer<Scene> scene;            // the scene being written
        QSharedPointer<ISceneReader> fadingOut; // the one before it, while they overlap
        QSharedPointer<Scene> fadingOutScene;
        bool first = false;
        bool last = false;
        int written = 0; // output frames so far
        float step = 0;  // progress per frame, percent
    };

    bool renderEntries(AsyncVideoOutput& output, const QSharedPointer<FramePool>& pool);
    // Cross-fade, progress and fades for the reader's current frame; returns the frames of the
    // scene after it.
    int compose(Pass& pass, ISceneReader& reader);
    void blendUnder(Pass& pass, QImage& image, int count);
    static void darken(QImage& image, int alpha);
    QSharedPointer<ISceneReader> openScene(const Scene& scene, const ScenePlanEntry& entry,
                                           const QSharedPointer<FramePool>& pool);
    void fail(const QString& message);
    void failBackground(const Scene& scene);
    QString backgroundPath(const Scene& scene) const;

    const int timeBaseNum = 1;
    const int timeBaseDen = 30;
    std::atomic<bool> stopRequested{false};
    QSize outputSize;
    QSharedPointer<Project> project;
    QSharedPointer<TemplateDescription> theme;
    QString outputPath;
    std::atomic<bool> failed{false};
};
