#pragma once

#include "scene/PanZoom.h"

#include <QImage>
#include <QPolygonF>
#include <QRect>

struct ImgObject;

// A photo slot whose photo pans or zooms: the border and the shadow are made once, at the slot's
// size and shape, and every frame the photo's window is drawn into the space they frame, sampled
// between pixels (no window is rounded to whole pixels, so slow motion does not shake). The
// result is drawn onto the frame like any prepared photo.
class PanZoomPicture
{
public:
    // `photo` turned upright; `slot` the slot's largest size on the output frame, in pixels.
    PanZoomPicture(QImage photo, const ImgObject& object, QSizeF slot);

    bool isNull() const { return picture.isNull(); }
    // The picture at `progress` through the scene (0 to 1). Valid until the next call.
    const QImage& at(double progress);
    // The framed photo (border included, shadow excluded) inside the picture.
    const QPolygonF& quad() const { return framedQuad; }
    const PanZoom& motion() const { return panZoom; }
    QRect photoArea() const { return inner; }
    // The photo as prepared for the motion (for the benchmark's account of memory).
    QSize photoSize() const { return photo.size(); }

private:
    QImage photo;
    PanZoom panZoom;
    // Border and shadow, made once, around the photo area, which is redrawn for each progress.
    QImage picture;
    QRect inner; // the photo area inside both
    QPolygonF framedQuad;
    double shown = -1.0;
};
