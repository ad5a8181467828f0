#pragma once

#include "scene/SceneReaderBase.h"
#include "scene/SlideIterator.h"

class TextScene;

// Composes a text scene: each text laid out at the largest size that fits 96 % of the frame,
// filled with the slot's texture if it has one, shadowed, and moved like a photo.
class TextSceneReader : public SceneReaderBase
{
public:
    // `themeId` locates the textures in the theme's folder.
    TextSceneReader(QSharedPointer<IAsyncAVInput> background, int width, int height,
                    const TextScene* scene, SlideIterator& slides, int themeId);

    // The text picture of one slot before its layer is built (exposed for previews and tests);
    // textures are found in `themeFolder` (ending in "/").
    static QImage textPicture(const TextObject& object, const QString& text, int width, int height,
                              const QString& themeFolder);
};
