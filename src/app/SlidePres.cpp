#include "app/SlidePres.h"

SlidePres::SlidePres(QSharedPointer<Slide> slide, int type, const QString& imgId)
    : slideRecord(std::move(slide)), rowType(type), imageId(imgId)
{
}

void SlidePres::setImgId(const QString& id)
{
    imageId = id;
    emit imgIdChanged(this);
}
