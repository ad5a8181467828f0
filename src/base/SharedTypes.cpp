#include "base/SharedTypes.h"

void registerSharedMetaTypes()
{
    // Once per program, whoever asks first: the program's entry and the thumbnail generator,
    // which tests use without it.
    static const bool registered = [] {
        qRegisterMetaType<QSharedPointer<QImage>>("QSharedPointer<QImage>");
        qRegisterMetaType<QSharedPointer<QImage>>("ImageSharedPointer");
        qRegisterMetaType<QSharedPointer<QPixmap>>("QSharedPointer<QPixmap>");
        qRegisterMetaType<QSharedPointer<QPixmap>>("PixmapSharedPointer");
        return true;
    }();
    Q_UNUSED(registered);
}
