#include "scene/ImgSceneReader.h"

#include "base/CommonError.h"
#include "project/ImgSlide.h"
#include "templates/ImgScene.h"

#include <QCoreApplication>

ImgSceneReader::ImgSceneReader(QSharedPointer<IAsyncAVInput> background, int width, int height,
                               const ImgScene* scene, SlideIterator& slides)
    : SceneReaderBase(std::move(background))
{
    for (const QSharedPointer<ImgObject>& object : *scene->objects) {
        const QSharedPointer<ImgSlide> slide = slides.next().objectCast<ImgSlide>();
        layers.push_back(QSharedPointer<ObjectLayer>::create(object, slide, width, height));
        // The rest of the video is still worth having: the slot stays empty, and the user
        // hears why.
        if (slide && layers.back()->picture().isNull())
            CommonError::instance()->report(
                QCoreApplication::translate("ImgSceneReader",
                                            "The photo cannot be read, its place in the video "
                                            "stays empty: %1")
                    .arg(slide->path()));
    }
}
