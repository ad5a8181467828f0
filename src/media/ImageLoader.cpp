#include "media/ImageLoader.h"

#include "media/WebpOrientation.h"

#include <QImageReader>

#include <algorithm>
#include <cmath>

namespace {

void open(QImageReader& reader, const QString& path)
{
    reader.setAutoTransform(true);
    reader.setFileName(path);
    if (!reader.canRead()) {
        // A wrong suffix (a PNG named .jpg) is common; let the content decide.
        reader.setDecideFormatFromContent(true);
        reader.setFileName(path);
    }
}

QSharedPointer<QImage> read(QImageReader& reader, const QString& path)
{
    if (!reader.canRead())
        return QSharedPointer<QImage>::create(path);
    // Qt turns JPEGs, TIFFs and (through libheif) HEIC pictures upright itself, but not WebP.
    const bool turnsItself = reader.supportsOption(QImageIOHandler::ImageTransformation);
    const bool webp = reader.format() == "webp";
    QImage image = reader.read();
    if (webp && !turnsItself && !image.isNull())
        image = WebpOrientation::upright(image, WebpOrientation::of(path));
    return QSharedPointer<QImage>::create(std::move(image));
}

// The factor a w x h picture needs to fit into (or cover) the box, in its worse orientation.
double neededScale(double w, double h, const QSize& box, bool cover)
{
    const double bw = box.width();
    const double bh = box.height();
    const auto scale = [&](double x, double y) {
        return cover ? std::max(bw / x, bh / y) : std::min(bw / x, bh / y);
    };
    return std::max(scale(w, h), scale(h, w));
}

} // namespace

QSharedPointer<QImage> loadImage(const QString& path)
{
    QImageReader reader;
    open(reader, path);
    return read(reader, path);
}

QSharedPointer<QImage> loadImage(const QString& path, const QSize& box, bool cover)
{
    QImageReader reader;
    open(reader, path);
    const QSize size = reader.size(); // as stored, before the EXIF turn
    if (box.isEmpty() || size.isEmpty() || !reader.supportsOption(QImageIOHandler::ScaledSize))
        return read(reader, path);
    const double scale = neededScale(size.width(), size.height(), box, cover);
    if (scale < 1.0) {
        reader.setScaledSize(QSize(std::max(1, int(std::ceil(size.width() * scale))),
                                   std::max(1, int(std::ceil(size.height() * scale)))));
    }
    return read(reader, path);
}

QSize uprightSize(const QString& path)
{
    QImageReader reader;
    open(reader, path);
    const QSize size = reader.size();
    bool turned = reader.transformation() & QImageIOHandler::TransformationRotate90;
    if (reader.format() == "webp" && !reader.supportsOption(QImageIOHandler::ImageTransformation))
        turned = WebpOrientation::of(path) >= 5; // orientations 5 to 8 swap the sides
    return turned ? size.transposed() : size;
}
