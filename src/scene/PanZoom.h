#pragma once

#include "templates/PanZoomSpec.h"

#include <QRectF>
#include <QSizeF>

// Where the window of a photo that covers its slot stands as the scene goes on. The window has
// the slot's shape; at zoom 1 it is as large as the photo allows (the photo just covers the
// slot), and it is never larger than that nor smaller than the slot's size shown at 1.5 times
// the photo's own pixels. Left open by the theme, the direction follows the photo: one wider than
// the slot pans from left to right, one taller from its lower part up, across all the room the
// zoom leaves.
class PanZoom
{
public:
    // `photo`: the photo's size in pixels as it is drawn; `aspect`: the slot's width/height;
    // `slotWidth`: the slot's largest width on the output frame, in pixels.
    PanZoom(const PanZoomSpec& spec, QSizeF photo, double aspect, double slotWidth);

    // The window at `progress` (0 at the scene's first frame, 1 at its last), in photo pixels.
    QRectF window(double progress) const;
    // The most the theme zooms in: a photo is decoded large enough for it.
    static double largestZoom(const PanZoomSpec& spec);

private:
    QRectF windowAt(double zoom, QPointF centre) const;
    // The zoom and centre of a window given as a rectangle of the photo.
    void fromRect(const QRectF& rect, double* zoom, QPointF* centre) const;

    QSizeF photo;
    QSizeF cover; // the window at zoom 1
    double zoomLimit = 1.0;
    double zoomFrom = 1.0;
    double zoomTo = 1.0;
    QPointF centreFrom;
    QPointF centreTo;
    bool linear = false;
};
