#include "scene/TextLayout.h"

#include <QFontMetrics>
#include <QPainter>

QRect textBox(int width, int height, float boxWidth, float boxHeight)
{
    const QRect picture(0, 0, width, height);
    QRect box = picture;
    box.setWidth(int(float(width) * boxWidth));
    box.setHeight(int(float(height) * boxHeight));
    box.moveCenter(picture.center());
    return box;
}

QImage renderText(int width, int height, const QString& text, QFont font, const QColor& color,
                  float boxWidth, float boxHeight, float* pointSize)
{
    QImage picture(qMax(width, 0), qMax(height, 0), QImage::Format_ARGB32_Premultiplied);
    picture.fill(Qt::transparent);
    const QRect box = textBox(width, height, boxWidth, boxHeight);
    if (picture.isNull()) {
        *pointSize = 0.0f;
        return picture;
    }

    QPainter painter(&picture);
    const int flags = Qt::AlignHCenter | Qt::AlignVCenter | Qt::TextWordWrap;
    float size = float(box.height());
    for (;;) {
        *pointSize = size;
        font.setPointSize(qMax(1, int(size)));
        painter.setFont(font);
        const QRect measured =
            painter.fontMetrics().boundingRect(box, flags | Qt::TextDontClip, text);
        if (measured.width() <= box.width() && measured.height() <= box.height())
            break;
        if (size < 3.0f)
            break;
        size = float(double(size) * 0.9);
    }
    painter.setPen(color);
    painter.drawText(box, flags, text);
    return picture;
}
