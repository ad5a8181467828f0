#include "scene/SceneReaderBase.h"

#include "media/IAsyncAVInput.h"

SceneReaderBase::SceneReaderBase(QSharedPointer<IAsyncAVInput> background)
    : background(std::move(background))
{
}

bool SceneReaderBase::next(double step)
{
    currentFrame = background->getFrame();
    if (!currentFrame)
        return false;
    // The picture is composed in place, in the pool frame's own buffer.
    currentImage = QSharedPointer<QImage>::create(currentFrame.image());
    drawElements(currentImage, step);
    currentFrame.setIndex(frameCounter - 1);
    return true;
}

bool SceneReaderBase::backgroundFailed() const
{
    return background->failed();
}

QString SceneReaderBase::backgroundFailure() const
{
    return background->failure();
}

void SceneReaderBase::drawElements(QSharedPointer<QImage> target, double step)
{
    const double position = timing ? timing->position(frameCounter) : frameCounter;
    // Panning photos move with the time played, evenly through a stretched hold.
    const int length = timing ? timing->length() : designedFrames;
    const double progress = length > 1 ? qMin(1.0, double(frameCounter) / (length - 1)) : 0.0;
    for (const QSharedPointer<ObjectLayer>& layer : layers) {
        layer->setSceneProgress(progress);
        layer->draw(position, target.data(), step);
    }
    ++frameCounter;
}
