#include "app/ImgSlidePres.h"

#include "app/ImageProvider.h"
#include "images/ImageRotation.h"
#include "images/ThumbGenerator.h"
#include "project/ImgSlide.h"

ImgSlidePres::ImgSlidePres(QSharedPointer<ImgSlide> slide, double devicePixelRatio)
    : SlidePres(slide, ImageRow, ImageProvider::kStubId)
{
    const int side = int(150 * devicePixelRatio);
    request = ThumbGeneratorTask{slide->path(), side, side};
    ThumbGenerator* generator = ThumbGenerator::instance();
    connect(generator, &ThumbGenerator::generated, this, &ImgSlidePres::thumbGenerated);
    generator->addTask(request);
}

ImgSlidePres::~ImgSlidePres()
{
    ThumbGenerator::instance()->cancel(request);
    ImageProvider::instance()->remove(imgId());
}

void ImgSlidePres::thumbGenerated(ThumbGeneratorTask task, QSharedPointer<QImage> img)
{
    if (!(task == request) || !img)
        return;
    // Thumbnails come from the file as it lies; a slide turned before they arrived (or loaded
    // with a rotation) shows its turns.
    const int turns = ((slide().objectCast<ImgSlide>()->rotation() % 4) + 4) % 4;
    QSharedPointer<QImage> shown = img;
    if (turns != 0 && !img->isNull())
        shown = QSharedPointer<QImage>::create(rotateImage(turns * 90, *img));
    const QString previous = imgId();
    setImgId(ImageProvider::instance()->addImage(shown));
    if (previous != ImageProvider::kStubId)
        ImageProvider::instance()->remove(previous);
}

void ImgSlidePres::rotate(bool clockwise)
{
    slide().objectCast<ImgSlide>()->turn(clockwise);
    if (imgId() == ImageProvider::kStubId)
        return; // the thumbnail turns when it arrives
    setImgId(ImageProvider::instance()->rotate(imgId(), clockwise));
}
