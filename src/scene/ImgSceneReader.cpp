#include "scene/ImgSceneReader.h"

#include "project/ImgSlide.h"
#include "templates/ImgScene.h"

ImgSceneReader::ImgSceneReader(QSharedPointer<IAsyncAVInput> background, int width, int height,
                               const ImgScene* scene, SlideIterator& slides)
    : SceneReaderBase(std::move(background))
{
    designedFrames = scene->frames;
    for (const QSharedPointer<ImgObject>& object : *scene->objects) {
        const QSharedPointer<ImgSlide> slide = slides.next().objectCast<ImgSlide>();
        layers.push_back(QSharedPointer<ObjectLayer>::create(object, slide, width, height));
        // The rest of the video is still worth having: the slot stays empty, and the engine
        // tells the person why.
        if (slide && layers.back()->picture().isNull())
            unreadable << slide->path();
    }
}
