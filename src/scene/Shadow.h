#pragma once

#include <QColor>
#include <QImage>
#include <QPolygonF>

// The picture with a drop shadow around it. Offsets and blur are in units of `unit` pixels (the
// border thickness for photos, the fitted point size for texts); the blur is Qt's exponential
// blur of its drop-shadow effect. Appends to `quad` the corners of `source` inside the result,
// clockwise from the top left. A blur of (almost) 0 returns the picture unchanged. If the shadow
// cannot be made (no memory for it), "Failed to create shadow visual effect." is reported once
// per run and the picture comes back without shadow.
QImage makeShadow(const QImage& source, float x, float y, float blur, const QColor& color, int unit,
                  QPolygonF* quad);
