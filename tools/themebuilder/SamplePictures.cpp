#include "SamplePictures.h"

#include <QLinearGradient>
#include <QPainter>
#include <QPainterPath>

#include <cmath>

QImage samplePicture(int index, int width, int height)
{
    QImage image(width, height, QImage::Format_RGB32);
    QPainter p(&image);
    p.setRenderHint(QPainter::Antialiasing);
    const double hue = std::fmod(0.08 + index * 0.17, 1.0);
    QLinearGradient sky(0, 0, 0, height);
    sky.setColorAt(0, QColor::fromHsvF(std::fmod(hue + 0.5, 1.0), 0.45, 0.95));
    sky.setColorAt(1, QColor::fromHsvF(hue, 0.35, 1.0));
    p.fillRect(image.rect(), sky);
    p.setPen(Qt::NoPen);
    p.setBrush(QColor::fromHsvF(hue, 0.2, 1.0));
    p.drawEllipse(QPointF(width * (0.25 + 0.12 * (index % 4)), height * 0.3), height * 0.12,
                  height * 0.12);
    for (int layer = 0; layer < 3; ++layer) {
        QPainterPath hills;
        const double base = height * (0.55 + layer * 0.13);
        hills.moveTo(0, height);
        for (int x = 0; x <= width; x += width / 40)
            hills.lineTo(x, base + std::sin(x * (0.004 + layer * 0.002) + index + layer) * height *
                                       0.06);
        hills.lineTo(width, height);
        hills.closeSubpath();
        p.setBrush(
            QColor::fromHsvF(std::fmod(hue + 0.25 + layer * 0.05, 1.0), 0.5, 0.55 - layer * 0.15));
        p.drawPath(hills);
    }
    return image;
}
