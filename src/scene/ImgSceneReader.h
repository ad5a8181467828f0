#pragma once

#include "scene/SceneReaderBase.h"
#include "scene/SlideIterator.h"

class ImgScene;

// Composes a photo scene: one prepared photo layer per object, fed the next slide each.
class ImgSceneReader : public SceneReaderBase
{
public:
    // width x height is the output frame size.
    ImgSceneReader(QSharedPointer<IAsyncAVInput> background, int width, int height,
                   const ImgScene* scene, SlideIterator& slides);
};
