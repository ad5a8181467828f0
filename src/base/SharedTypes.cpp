#include "base/SharedTypes.h"

void registerSharedMetaTypes()
{
    // Once per program, however many ask: static initialisation below, then whoever needs the
    // types and cannot be sure this file was linked in before them.
    static const bool registered = [] {
        qRegisterMetaType<QSharedPointer<QImage>>("QSharedPointer<QImage>");
        qRegisterMetaType<QSharedPointer<QImage>>("ImageSharedPointer");
        qRegisterMetaType<QSharedPointer<QPixmap>>("QSharedPointer<QPixmap>");
        qRegisterMetaType<QSharedPointer<QPixmap>>("PixmapSharedPointer");
        return true;
    }();
    Q_UNUSED(registered);
}

namespace {
// Before the entry point runs: queued signals may carry pictures from the first event on.
const bool registeredAtStart = (registerSharedMetaTypes(), true);
} // namespace
