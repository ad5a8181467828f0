#pragma once

#include <QColor>
#include <QImage>
#include <QList>

#include <cstdint>

class QPainter;

// Drawing pieces the backgrounds share. `time` is in seconds of a 30 fps video.
namespace Paint {
QImage canvas(int width, int height);
// Soft discs of light drifting sideways (`drift` screens per 20 s, signed) and breathing.
void bokeh(QPainter& p, int count, uint32_t seed, double time, int w, int h,
           const QList<QColor>& colours, double drift);
// Darkened corners.
void vignette(QPainter& p, int w, int h, double strength);
// Paper: a flat colour with short fibres.
void fibres(QPainter& p, int w, int h, QColor fibre, int count);
} // namespace Paint
