#pragma once

#include <QPointF>
#include <QRectF>

// A photo slot's pan and zoom: the photo covers the slot (cropped, not fitted) and the window
// of it that shows moves from a start to an end over the scene. Each end is a zoom (1: the photo
// just covers the slot) and a centre (fractions of the photo), or a rectangle of the photo
// (fractions). Without centres the photo's own shape decides the direction.
struct PanZoomSpec
{
    bool enabled = false;
    double zoomFrom = 1.0;
    double zoomTo = 1.0;
    bool centred = false; // the centres below are the theme's; else the photo's shape decides
    QPointF centreFrom{0.5, 0.5};
    QPointF centreTo{0.5, 0.5};
    QRectF rectFrom; // when not empty, the start and end windows as rectangles
    QRectF rectTo;
    bool linear = false; // else eased in and out
};
