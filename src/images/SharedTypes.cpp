#include "images/SharedTypes.h"

void registerSharedMetaTypes()
{
    qRegisterMetaType<QSharedPointer<QImage>>("QSharedPointer<QImage>");
    qRegisterMetaType<QSharedPointer<QImage>>("ImageSharedPointer");
    qRegisterMetaType<QSharedPointer<QPixmap>>("QSharedPointer<QPixmap>");
    qRegisterMetaType<QSharedPointer<QPixmap>>("PixmapSharedPointer");
}

namespace {
const bool registeredAtStart = (registerSharedMetaTypes(), true);
} // namespace
