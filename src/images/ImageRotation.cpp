#include "images/ImageRotation.h"

QImage rotateImage(int angle, const QImage& image)
{
    if (angle == 0 || angle == 360)
        return image.copy();
    if (angle != 90 && angle != 180 && angle != 270 && angle != -90)
        return QImage();
    QImage source = image;
    if (source.depth() != 32)
        source = source.convertToFormat(QImage::Format_ARGB32_Premultiplied);
    const int w = source.width();
    const int h = source.height();
    const bool quarter = angle != 180;
    QImage result(quarter ? h : w, quarter ? w : h, source.format());
    if (result.isNull())
        return result;
    for (int y = 0; y < h; ++y) {
        const auto* in = reinterpret_cast<const quint32*>(source.constScanLine(y));
        for (int x = 0; x < w; ++x) {
            int nx = 0;
            int ny = 0;
            if (angle == 90) {
                nx = h - 1 - y;
                ny = x;
            } else if (angle == 180) {
                nx = w - 1 - x;
                ny = h - 1 - y;
            } else {
                nx = y;
                ny = w - 1 - x;
            }
            reinterpret_cast<quint32*>(result.scanLine(ny))[nx] = in[x];
        }
    }
    return result;
}
