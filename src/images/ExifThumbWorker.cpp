#include "images/ExifThumbWorker.h"

#include "base/Fit.h"
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
            const QSize picture =
                mainAspect > previewAspect
                    ? QSize(int(float(preview.height()) / mainAspect), preview.height())
                    : QSize(preview.width(), int(float(preview.width()) * mainAspect));
            preview = preview.copy(Fit::centred(preview.size(), picture));
        }
    }
    if (preview.isNull())
        return {};

    const QImage scaled = Fit::coverByWidth(preview.size(), QSize(task.width, task.height))
                              ? preview.scaledToWidth(task.width, Qt::SmoothTransformation)
                              : preview.scaledToHeight(task.height, Qt::SmoothTransformation);
    return QSharedPointer<QImage>::create(scaled);
}
