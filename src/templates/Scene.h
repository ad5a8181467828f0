#pragma once

#include <QByteArray>
#include <QString>
#include <QtGlobal>

// One scene of a template: a background clip that supplies every output frame, and slots.
class Scene
{
public:
    enum BackgroundType
    {
        VideoBackground = 1,
        StillBackground = 2
    };
    enum SceneType
    {
        ImageSlides = 1,
        TextSlides = 2
    };

    virtual ~Scene() = default;
    virtual int objectCount() const = 0;

    int bgType = VideoBackground;
    QString bgFileName; // relative to the template folder
    // A copy of a video background at 1280x720 for HD renders ("bg-hd-file-name"): it decodes in
    // a third of the time and needs no scaling. Empty, or a file that is not there: the full
    // one is used.
    QString bgHdFileName;
    // The background's SHA-256 (lower-case hex) and size in bytes, when the description gives
    // them ("sha256", "size"): a downloaded background must match them.
    QByteArray bgSha256;
    qint64 bgSize = -1;
    int frames = 0; // output frames the scene lasts (a video's frame count)
    int frameDurationNum = 1;
    int frameDurationDen = 30;
    int type = ImageSlides;

    // The hold: frames holdStart to holdEnd (end excluded), in which the slots rest or drift. A
    // plan may play it from holdMin to holdMax times its designed length, so that the slides
    // fill the music. A scene without one (holdEnd <= holdStart) always lasts `frames`.
    int holdStart = 0;
    int holdEnd = 0;
    float holdMin = 1.0f;
    float holdMax = 1.0f;
    // A span of a video background whose last frame joins its first: played around while the
    // scene lasts longer than its video. None when loopEnd <= loopStart.
    int loopStart = 0;
    int loopEnd = 0;

    int holdFrames() const { return qMax(0, holdEnd - holdStart); }
    bool hasLoop() const { return loopEnd > loopStart; }
    // The scene's length with its hold played in `hold` frames.
    int lengthWithHold(int hold) const { return frames - holdFrames() + qMax(1, hold); }
    int shortest() const
    {
        return holdFrames() > 0 ? lengthWithHold(qRound(holdFrames() * holdMin)) : frames;
    }
    int longest() const
    {
        return holdFrames() > 0 ? lengthWithHold(qRound(holdFrames() * holdMax)) : frames;
    }
    // The length closest to `length` that the scene can play.
    int clampedLength(int length) const { return qBound(shortest(), length, longest()); }
};
