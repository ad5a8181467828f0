#pragma once

#include <QPointF>

// One frame of an object's motion. Points are fractions of the output frame (x of its width,
// y of its height), clockwise from the top left; values outside 0..1 lie outside the frame.
struct Keyframe
{
    QPointF topLeft;
    QPointF topRight;
    QPointF bottomRight;
    QPointF bottomLeft;
    float opacity = 1.0f; // 0..1
};
