#include "scene/Shadow.h"

#include "base/CommonError.h"

#include <QPainter>

#include <atomic>
#include <cmath>

// Qt's exponential blur, exported by Qt Widgets (the blur of QGraphicsDropShadowEffect). For a
// radius of 4 or more it blurs a half-size copy and draws it back scaled.
Q_DECL_IMPORT void qt_blurImage(QPainter* p, QImage& blurImage, qreal radius, bool quality,
                                bool alphaOnly, int transposed = 0);

namespace {

std::atomic<bool> failureReported{false};

QImage unchanged(const QImage& source, QPolygonF* quad)
{
    const qreal w = source.width();
    const qreal h = source.height();
    *quad << QPointF(0, 0) << QPointF(w, 0) << QPointF(w, h) << QPointF(0, h);
    return source.copy();
}

} // namespace

QImage makeShadow(const QImage& source, float x, float y, float blur, const QColor& color, int unit,
                  QPolygonF* quad)
{
    if (!(blur > 0.00001f)) // also a blur that is not a number
        return unchanged(source, quad);

    // In pixels, bounded before any conversion to int: a blur radius of 512 and offsets of 1024
    // are far beyond any real theme and keep the three pictures below a few hundred MB.
    const auto pixels = [unit](float units, float limit) {
        const float value = std::ceil(float(unit) * units);
        return int(std::isfinite(value) ? qBound(-limit, value, limit) : 0.0f);
    };
    const int B = pixels(blur, 512.0f);
    const int DX = pixels(x, 1024.0f);
    const int DY = pixels(y, 1024.0f);
    const int left = qMax(0, B - DX);
    const int top = qMax(0, B - DY);
    const int right = qMax(0, DX + B);
    const int bottom = qMax(0, DY + B);
    const int w = source.width();
    const int h = source.height();

    QImage result(w + left + right, h + top + bottom, QImage::Format_ARGB32_Premultiplied);
    QImage mask(w + 2 * B, h + 2 * B, QImage::Format_ARGB32_Premultiplied);
    QImage blurred(mask.size(), QImage::Format_ARGB32_Premultiplied);
    if (result.isNull() || mask.isNull() || blurred.isNull()) {
        if (!failureReported.exchange(true))
            CommonError::instance()->report(
                QStringLiteral("Failed to create shadow visual effect."));
        return unchanged(source, quad);
    }
    result.fill(Qt::transparent);
    mask.fill(0);
    blurred.fill(0);
    {
        QPainter painter(&mask);
        painter.setCompositionMode(QPainter::CompositionMode_Source);
        painter.drawImage(B, B, source);
    }
    {
        QPainter painter(&blurred);
        qt_blurImage(&painter, mask, B, false, true);
        painter.setCompositionMode(QPainter::CompositionMode_SourceIn);
        painter.fillRect(blurred.rect(), color);
    }
    QPainter painter(&result);
    painter.setRenderHint(QPainter::Antialiasing);
    painter.setRenderHint(QPainter::SmoothPixmapTransform);
    painter.drawImage(qMax(0, DX - B), qMax(0, DY - B), blurred);
    painter.drawImage(left, top, source);
    *quad << QPointF(left, top) << QPointF(left + w, top) << QPointF(left + w, top + h)
          << QPointF(left, top + h);
    return result;
}
