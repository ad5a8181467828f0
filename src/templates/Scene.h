#pragma once

#include <QByteArray>
#include <QString>

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
};
