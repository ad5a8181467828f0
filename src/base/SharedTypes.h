#pragma once

#include <QImage>
#include <QMetaType>
#include <QPixmap>
#include <QSharedPointer>

// Pictures cross threads (render previews, thumbnails) as shared pointers in queued signals.
using ImageSharedPointer = QSharedPointer<QImage>;
using PixmapSharedPointer = QSharedPointer<QPixmap>;

Q_DECLARE_METATYPE(QSharedPointer<QImage>)
Q_DECLARE_METATYPE(QSharedPointer<QPixmap>)

// Registers both types under their full names and their aliases, once; later calls do nothing.
// Called before any queued signal carries a picture.
void registerSharedMetaTypes();
