#include "images/ExifThumbWorker.h"

#include "images/ExifHeader.h"

#include <cmath>
#include <utility>

QSharedPointer<QImage> ExifThumbWorker::generate(const ThumbGeneratorTask& task)
{
    const ExifHeader header(task.path);
    QImage preview = header.thumbnail();
    if (preview.width() == 0)
        return {};

    // The main image's size as stored; a quarter turn of the preview turns it too.
    qint32 pixelX = header.value(ExifHeader::PixelXDimension).toLong();
    qint32 pixelY = header.value(ExifHeader::PixelYDimension).toLong();
    if (header.thumbnailTurn() >= 5)
        std::swap(pixelX, pixelY);
    if (pixelX != 0) {
        const float mainAspect = float(pixelY) / float(pixelX);
        const float previewAspect = float(preview.height()) / float(preview.width());
        // Cameras add black bars to previews of other aspect ratios; cut them off.
        if (mainAspect > 0 && std::fabs(mainAspect / previewAspect - 1.0f) > 0.03f) {
            if (mainAspect > previewAspect) {
                const int width = int(float(preview.height()) / mainAspect);
                preview = preview.copy((preview.width() - width) / 2, 0, width, preview.height());
            } else {
                const int height = int(float(preview.width()) * mainAspect);
                preview = preview.copy(0, (preview.height() - height) / 2, preview.width(), height);
            }
        }
    }
    if (preview.isNull())
        return {};

    const float rh = float(task.height) / float(preview.height());
    const float rw = float(task.width) / float(preview.width());
    const QImage scaled = rw > rh ? preview.scaledToWidth(task.width, Qt::SmoothTransformation)
                                  : preview.scaledToHeight(task.height, Qt::SmoothTransformation);
    return QSharedPointer<QImage>::create(scaled);
}
