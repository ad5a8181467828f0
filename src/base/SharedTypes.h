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

// Registers both types under their full names and their aliases, once: at static initialisation
// of the program; later calls do nothing.
void registerSharedMetaTypes();
