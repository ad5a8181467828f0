#pragma once

#include "engine/FrameSink.h"
#include "project/Project.h"
#include "templates/TemplateDescription.h"

#include <QObject>
#include <QSharedPointer>
#include <QSize>
#include <QVector>

#include <atomic>

class FramePool;
class PlayProblems;
class ISceneReader;
class Scene;

// Composes one project's scene plan at one size into a FrameSink: per plan entry a background
// source and a scene reader, cross-fades between consecutive scenes, the fade-in and fade-out.
// The render and the preview both play through it, so the preview shows what the video will.
//
// Threads: play() runs on the caller's thread (the render or preview thread); each open scene's
// background decodes on its own thread into the pool, at most two frames ahead. A frame is held by
// one PoolFrame at a time: the source's queue, the reader until takeFrame(), this loop, then the
// sink. stop() and abort() may come from any thread at any time.
class PlanPlayer : public QObject
{
    Q_OBJECT
public:
    PlanPlayer(QSharedPointer<Project> project, QSharedPointer<TemplateDescription> theme,
               QSize size);
    ~PlanPlayer() override;
    // The record of what this play has told already, shared with the engines of the same play
    // (a preview's seeks); each player has its own otherwise.
    void shareProblems(QSharedPointer<PlayProblems> record);

    // Says why the project cannot be played (through CommonError) and returns false, or true.
    bool check();
    // Plays from the first frame of plan entry `first` to the end, or until stopped or failed.
    // Starting later than the first entry starts that scene on its own: the scene before it
    // does not fade out over its first frames. True unless an error occurred.
    bool play(FrameSink& sink, int first = 0);
    void stop() { stopRequested = true; }
    // An error elsewhere (the encoder) ends the play as failed.
    void abort();
    bool stopped() const { return stopRequested; }
    bool failed() const { return hasFailed; }

    // The plan's length in frames as its scenes' lengths less the overlaps. Each hand-over
    // writes one frame fewer: the video has videoFrames().
    static int totalFrames(const Project& project, const TemplateDescription& theme);
    // Frames the video has: what progress and the music's end are measured by.
    static int videoFrames(const Project& project, const TemplateDescription& theme);
    // The frame of the video at which each plan entry's scene starts.
    static QVector<int> entryStarts(const Project& project, const TemplateDescription& theme);
    // Frames an entry's scene plays: the plan's length for it, or the scene's own.
    static int playedFrames(const ScenePlanEntry& entry, const TemplateDescription& theme);
    // The plan entry whose scene starts last at or before `frame`.
    static int entryAt(const QVector<int>& starts, int frame);

signals:
    // Once per frame, on the playing thread, with the picture just composed (before the fades)
    // and the percentage of the whole plan done. The receiver must be done with the picture when
    // it returns.
    void progress(QSharedPointer<QImage> img, double percent);

private:
    // Where the loop is in the plan.
    struct Pass
    {
        QSharedPointer<Scene> scene;            // the scene being written
        int frames = 0;                         // and the frames it plays
        QSharedPointer<ISceneReader> fadingOut; // the one before it, while they overlap
        QSharedPointer<Scene> fadingOutScene;
        bool first = false;
        bool last = false;
        int written = 0; // frames of the video so far
        float step = 0;  // progress per frame, percent
    };

    void playEntries(FrameSink& sink, int first);
    // Cross-fade, progress and fades for the reader's current frame; returns the frames of the
    // scene after it.
    int compose(Pass& pass, ISceneReader& reader);
    void blendUnder(Pass& pass, QImage& image, int count);
    static void darken(QImage& image, int alpha);
    QSharedPointer<ISceneReader> openScene(const Scene& scene, const ScenePlanEntry& entry,
                                           const QSharedPointer<FramePool>& pool);
    void fail(const QString& message);
    void failBackground(const Scene& scene, const ISceneReader& reader);
    void tellUnreadablePhotos(const QStringList& photos);
    QStringList unreadablePlanPhotos() const;
    QString backgroundPath(const Scene& scene) const;

    QSharedPointer<Project> project;
    QSharedPointer<TemplateDescription> theme;
    QSize size;
    QSharedPointer<PlayProblems> problems;
    std::atomic<bool> stopRequested{false};
    std::atomic<bool> hasFailed{false};
};
