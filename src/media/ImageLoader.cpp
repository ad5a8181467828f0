#include "media/ImageLoader.h"

#include <QImageReader>

QSharedPointer<QImage> loadImage(const QString& path)
{
    QImageReader reader(path);
    reader.setAutoTransform(true);
    if (!reader.canRead()) {
        // A wrong suffix (a PNG named .jpg) is common; let the content decide.
        reader.setDecideFormatFromContent(true);
        reader.setFileName(path);
    }
    if (reader.canRead())
        return QSharedPointer<QImage>::create(reader.read());
    return QSharedPointer<QImage>::create(path);
}
