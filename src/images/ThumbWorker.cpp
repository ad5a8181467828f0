#include "images/ThumbWorker.h"

#include <QImageReader>

QImage ThumbWorker::loadScaledImage(const QString& path, int height, int width)
{
    QImageReader reader(path);
    reader.setAutoTransform(true);
    if (!reader.canRead()) {
        reader.setDecideFormatFromContent(true);
        reader.setFileName(path);
    }
    const float targetAspect = float(width) / float(height);
    if (reader.supportsOption(QImageIOHandler::ScaledSize)) {
        const QSize size = reader.size();
        if (size.width() > 0 && size.height() > 0) {
            const qint64 w = size.width();
            const qint64 h = size.height();
            const QSize scaled = targetAspect <= float(w) / float(h)
                                     ? QSize(int((w * height) / h), height)
                                     : QSize(width, int((h * width) / w));
            reader.setScaledSize(scaled);
            return reader.read();
        }
    }
    if (reader.canRead()) {
        const QImage full = reader.read();
        if (full.isNull())
            return full;
        const float imageAspect = float(full.width()) / float(full.height());
        return targetAspect <= imageAspect ? full.scaledToHeight(height, Qt::FastTransformation)
                                           : full.scaledToWidth(width, Qt::FastTransformation);
    }
    return QImage(path);
}

QSharedPointer<QImage> ThumbWorker::generate(const ThumbGeneratorTask& task)
{
    return QSharedPointer<QImage>::create(loadScaledImage(task.path, task.height, task.width));
}
