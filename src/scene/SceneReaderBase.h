#pragma once

#include "scene/ISceneReader.h"
#include "scene/ObjectLayer.h"
#include "templates/SceneTiming.h"

#include <QSharedPointer>
#include <list>
#include <optional>

class IAsyncAVInput;

// What the image and text readers share: the background source, the frame being composed, the
// frame counter and the layers (ascending object id: higher ids are drawn over lower ones).
// Created, driven and destroyed on the render thread.
class SceneReaderBase : public ISceneReader
{
public:
    PoolFrame takeFrame() override { return std::move(currentFrame); }
    int frameNumber() const override { return frameCounter; }
    QSharedPointer<QImage> image() const override { return currentImage; }
    bool next(double step) override;
    void drawElements(QSharedPointer<QImage> target, double step) override;

    const std::list<QSharedPointer<ObjectLayer>>& objectLayers() const { return layers; }
    // The scene played in a length of the plan's: slots are drawn at the designed position of
    // each played frame. Without it the scene plays as designed.
    void setTiming(const SceneTiming& played) { timing = played; }

protected:
    explicit SceneReaderBase(QSharedPointer<IAsyncAVInput> background);
    bool backgroundFailed() const override;
    QString backgroundFailure() const override;

    std::list<QSharedPointer<ObjectLayer>> layers;
    int designedFrames = 0; // the scene's own length, for how far through it a frame is

private:
    QSharedPointer<IAsyncAVInput> background;
    PoolFrame currentFrame;
    QSharedPointer<QImage> currentImage;
    int frameCounter = 0;
    std::optional<SceneTiming> timing;
};
