#pragma once

#include <QRect>
#include <QSize>

// Where a picture goes when it must fill a box without distortion ("cover": scaled until both
// sides reach the box, the overhang cut off evenly on both sides).
namespace Fit {

// Whether the width decides the cover scale: the picture is relatively narrower than the box, so
// it is scaled to the box's width and overhangs in height. Otherwise the height decides.
bool coverByWidth(QSize picture, QSize box);
// The picture's size once it covers the box: the deciding side equals the box's, the other is
// rounded down.
QSize coverSize(QSize picture, QSize box);
// The part of `picture` of size `box`, centred (box no larger than the picture).
QRect centred(QSize picture, QSize box);

} // namespace Fit
