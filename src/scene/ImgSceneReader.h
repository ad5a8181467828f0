#pragma once

#include "scene/SceneReaderBase.h"
#include "scene/SlideIterator.h"

#include <QStringList>

class ImgScene;

// Composes a photo scene: one prepared photo layer per object, fed the next slide each.
class ImgSceneReader : public SceneReaderBase
{
public:
    // width x height is the output frame size.
    ImgSceneReader(QSharedPointer<IAsyncAVInput> background, int width, int height,
                   const ImgScene* scene, SlideIterator& slides);

    // Photos of this scene that could not be read: their slots stay empty.
    const QStringList& unreadablePhotos() const { return unreadable; }

private:
    QStringList unreadable;
};
