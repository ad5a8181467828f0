#include "scene/PanZoom.h"

#include <QtGlobal>

#include <algorithm>

PanZoom::PanZoom(const PanZoomSpec& spec, QSizeF photo, double aspect, double slotWidth)
    : photo(photo), linear(spec.linear)
{
    const bool wider = photo.width() / photo.height() > aspect;
    cover = wider ? QSizeF(photo.height() * aspect, photo.height())
                  : QSizeF(photo.width(), photo.width() / aspect);
    // A photo pixel is shown at most 1.5 times as large: closer, the picture turns soft.
    zoomLimit = std::max(1.0, cover.width() * 1.5 / std::max(1.0, slotWidth));
    if (!spec.rectFrom.isEmpty()) {
        fromRect(spec.rectFrom, &zoomFrom, &centreFrom);
        fromRect(spec.rectTo, &zoomTo, &centreTo);
        return;
    }
    zoomFrom = qBound(1.0, spec.zoomFrom, zoomLimit);
    zoomTo = qBound(1.0, spec.zoomTo, zoomLimit);
    if (spec.centred) {
        centreFrom =
            QPointF(spec.centreFrom.x() * photo.width(), spec.centreFrom.y() * photo.height());
        centreTo = QPointF(spec.centreTo.x() * photo.width(), spec.centreTo.y() * photo.height());
        return;
    }
    // Across all the room the window leaves, along the photo's longer side.
    const QSizeF from = cover / zoomFrom;
    const QSizeF to = cover / zoomTo;
    const QPointF middle(photo.width() / 2, photo.height() / 2);
    centreFrom = middle;
    centreTo = middle;
    if (wider) {
        centreFrom.setX(from.width() / 2);
        centreTo.setX(photo.width() - to.width() / 2);
    } else {
        centreFrom.setY(photo.height() - from.height() / 2);
        centreTo.setY(to.height() / 2);
    }
}

void PanZoom::fromRect(const QRectF& rect, double* zoom, QPointF* centre) const
{
    // The largest window of the slot's shape inside the rectangle, about its centre.
    const QSizeF size(rect.width() * photo.width(), rect.height() * photo.height());
    *zoom = qBound(1.0, std::max(cover.width() / size.width(), cover.height() / size.height()),
                   zoomLimit);
    *centre = QPointF(rect.center().x() * photo.width(), rect.center().y() * photo.height());
}

double PanZoom::largestZoom(const PanZoomSpec& spec)
{
    if (spec.rectFrom.isEmpty())
        return std::max(spec.zoomFrom, spec.zoomTo);
    const double smallest = std::min(
        {spec.rectFrom.width(), spec.rectFrom.height(), spec.rectTo.width(), spec.rectTo.height()});
    return std::min(4.0, 1.0 / std::max(0.05, smallest));
}

QRectF PanZoom::windowAt(double zoom, QPointF centre) const
{
    const QSizeF size = cover / zoom;
    // The window stays on the photo: a centre too near an edge moves in.
    const double x = qBound(0.0, centre.x() - size.width() / 2, photo.width() - size.width());
    const double y = qBound(0.0, centre.y() - size.height() / 2, photo.height() - size.height());
    return QRectF(QPointF(x, y), size);
}

QRectF PanZoom::window(double progress) const
{
    const double t = qBound(0.0, progress, 1.0);
    // Eased in and out: the motion starts and ends at rest, without a jolt.
    const double e = linear ? t : t * t * (3.0 - 2.0 * t);
    return windowAt(zoomFrom + (zoomTo - zoomFrom) * e, centreFrom + (centreTo - centreFrom) * e);
}
