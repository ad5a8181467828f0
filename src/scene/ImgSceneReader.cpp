#include "scene/ImgSceneReader.h"

#include "project/ImgSlide.h"
#include "templates/ImgScene.h"

ImgSceneReader::ImgSceneReader(QSharedPointer<IAsyncAVInput> background, int width, int height,
                               const ImgScene* scene, SlideIterator& slides)
    : SceneReaderBase(std::move(background))
{
    for (const QSharedPointer<ImgObject>& object : *scene->objects)
        layers.push_back(QSharedPointer<ObjectLayer>::create(
            object, slides.next().objectCast<ImgSlide>(), width, height));
}
