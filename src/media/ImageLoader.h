#pragma once

#include <QImage>
#include <QSharedPointer>
#include <QSize>
#include <QString>

// Loads a picture turned upright by its EXIF orientation. Used for still backgrounds and for the
// user's photos. A file that cannot be read gives a null image.
QSharedPointer<QImage> loadImage(const QString& path);

// The same picture, decoded no larger than needed: at least as large as the picture fitted into
// `box`, or, with `cover`, as the picture covering `box`, whichever way a quarter turn leaves it;
// never enlarged. A 12-megapixel JPEG for a 1344x1008 slot decodes at a fraction of the time and
// with a tenth of the memory.
QSharedPointer<QImage> loadImage(const QString& path, const QSize& box, bool cover = false);

// The picture's size as shown, turned upright by its EXIF orientation, from its header alone;
// empty when it cannot be read.
QSize uprightSize(const QString& path);
