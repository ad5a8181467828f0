#include "media/AsyncStaticImgImput.h"

#include "media/AsyncStaticImgImputWorker.h"
#include "media/FramePool.h"
#include "media/ImageLoader.h"
#include "media/LibavPointers.h"

#include <QPainter>

// The prepared picture in BGRA with its own buffer.
struct AsyncStaticImgImput::StillFrame
{
    libav::FramePtr frame = libav::makeFrame();
};

namespace {

// Scales the picture to cover width x height and keeps the centred band.
QImage coverFit(const QImage& image, int width, int height)
{
    if (image.width() == width && image.height() == height)
        return image;
    QImage result(width, height, QImage::Format_RGB32);
    result.fill(Qt::black);
    if (image.isNull())
        return result;
    QImage scaled;
    int x = 0;
    int y = 0;
    if (double(image.height()) / height > double(image.width()) / width) {
        scaled = image.scaledToWidth(width, Qt::SmoothTransformation);
        y = (scaled.height() - height) / 2;
    } else {
        scaled = image.scaledToHeight(height, Qt::SmoothTransformation);
        x = (scaled.width() - width) / 2;
    }
    QPainter painter(&result);
    painter.drawImage(0, 0, scaled, x, y, width, height);
    return result;
}

} // namespace

AsyncStaticImgImput::AsyncStaticImgImput(QSharedPointer<FramePool> pool, const QString& path,
                                         int height, int width, int framesCount)
    : AsyncFrameSource(pool), stillFrame(std::make_unique<StillFrame>())
{
    const QImage picture = coverFit(*loadImage(path, QSize(width, height), true), width, height);
    AVFrame* still = stillFrame->frame.get();
    still->format = AV_PIX_FMT_BGRA;
    still->width = width;
    still->height = height;
    if (av_frame_get_buffer(still, 32) >= 0) {
        QImage target(still->data[0], width, height, still->linesize[0], QImage::Format_RGB32);
        target.fill(Qt::black);
        QPainter painter(&target);
        painter.drawImage(0, 0, picture);
    }

    start(new AsyncStaticImgImputWorker(still, pool, still->data[0] ? framesCount : 0));
}

AsyncStaticImgImput::~AsyncStaticImgImput()
{
    shutDown(); // before the still frame goes
}
