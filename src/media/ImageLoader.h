#pragma once

#include <QImage>
#include <QSharedPointer>
#include <QString>

// Loads a picture turned upright by its EXIF orientation. Used for still backgrounds and for the
// user's photos. A file that cannot be read gives a null image.
QSharedPointer<QImage> loadImage(const QString& path);
