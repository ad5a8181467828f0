#include "media/AsyncStaticImgImput.h"

#include "base/Fit.h"
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
    const QSize box(width, height);
    const QImage scaled = Fit::coverByWidth(image.size(), box)
                              ? image.scaledToWidth(width, Qt::SmoothTransformation)
                              : image.scaledToHeight(height, Qt::SmoothTransformation);
    const QRect band = Fit::centred(scaled.size(), box);
    QPainter painter(&result);
    painter.drawImage(0, 0, scaled, band.x(), band.y(), width, height);
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
