#include "scene/SceneReaderBase.h"

#include "media/IAsyncAVInput.h"

extern "C" {
#include <libavutil/frame.h>
}

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
    currentImage = QSharedPointer<QImage>::create(currentFrame->data[0], currentFrame->width,
                                                  currentFrame->height, currentFrame->linesize[0],
                                                  QImage::Format_RGB32);
    drawElements(currentImage, step);
    currentFrame->pts = frameCounter - 1;
    return true;
}

bool SceneReaderBase::backgroundFailed() const
{
    return background->failed();
}

void SceneReaderBase::drawElements(QSharedPointer<QImage> target, double step)
{
    for (const QSharedPointer<ObjectLayer>& layer : layers)
        layer->draw(frameCounter, target.data(), step);
    ++frameCounter;
}
