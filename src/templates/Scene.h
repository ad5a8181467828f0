#pragma once

#include <QString>

// One scene of a template: a background clip that supplies every output frame, and slots.
class Scene
{
public:
    enum BackgroundType { VideoBackground = 1, StillBackground = 2 };
    enum SceneType { ImageSlides = 1, TextSlides = 2 };

    virtual ~Scene() = default;
    virtual int objectCount() const = 0;

    int bgType = VideoBackground;
    QString bgFileName; // relative to the template folder
    int frames = 0;     // output frames the scene lasts (a video's frame count)
    int frameDurationNum = 1;
    int frameDurationDen = 30;
    int type = ImageSlides;
};
