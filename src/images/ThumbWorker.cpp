#include "images/ThumbWorker.h"

#include "base/Fit.h"
#include "media/ImageLoader.h"

QImage ThumbWorker::loadScaledImage(const QString& path, int height, int width)
{
    const QSize box(width, height);
    // Decoded at about the size needed (JPEGs scale while decoding), the EXIF turn applied.
    const QImage decoded = *loadImage(path, box, true);
    const QSize size = Fit::coverSize(decoded.size(), box);
    if (decoded.isNull() || decoded.size() == size)
        return decoded;
    return decoded.scaled(size, Qt::IgnoreAspectRatio, Qt::FastTransformation);
}

QSharedPointer<QImage> ThumbWorker::generate(const ThumbGeneratorTask& task)
{
    return QSharedPointer<QImage>::create(loadScaledImage(task.path, task.height, task.width));
}
