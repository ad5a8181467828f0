#include "PixelCheck.h"

#include <QtGlobal>

namespace PixelCheck {

Difference compare(const QImage& a, const QImage& b)
{
    const QImage first = a.convertToFormat(QImage::Format_RGB32);
    const QImage second = b.convertToFormat(QImage::Format_RGB32);
    Difference d;
    for (int y = 0; y < first.height(); ++y) {
        const auto* p = reinterpret_cast<const QRgb*>(first.constScanLine(y));
        const auto* q = reinterpret_cast<const QRgb*>(second.constScanLine(y));
        for (int x = 0; x < first.width(); ++x) {
            const int most =
                qMax(qMax(qAbs(qRed(p[x]) - qRed(q[x])), qAbs(qGreen(p[x]) - qGreen(q[x]))),
                     qAbs(qBlue(p[x]) - qBlue(q[x])));
            d.aboveTwo += most > 2;
            if (most > d.largest) {
                d.largest = most;
                d.where = QPoint(x, y);
            }
        }
    }
    return d;
}

QImage patternFrame(int seed, int width, int height)
{
    QImage frame(width, height, QImage::Format_RGB32);
    for (int y = 0; y < height; ++y) {
        auto* line = reinterpret_cast<QRgb*>(frame.scanLine(y));
        for (int x = 0; x < width; ++x)
            line[x] = qRgb((x * 3 + seed * 40) % 256, (y * 5 + seed) % 256, (x ^ y) % 256);
    }
    return frame;
}

} // namespace PixelCheck
