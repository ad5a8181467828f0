#pragma once

#include <QImage>
#include <QTransform>

// Draws `picture` (premultiplied ARGB) onto `target` (RGB32 or premultiplied ARGB) through the
// projective `transform` (picture -> target), as QPainter draws it with SmoothPixmapTransform and
// Antialiasing, within a level or two per channel, several times faster: rows are clipped to the
// quadrilateral's exact spans, the inside is sampled bilinearly with SSE2 (AVX2 where the
// processor has it) and only the edge pixels get their covered share computed.
//
// Returns false, drawing nothing, for what it is not made for (a quadrilateral that is not
// convex or crosses the horizon, other formats, pictures beyond 16 million pixels); the caller
// then draws with QPainter.
bool drawPerspective(QImage* target, const QImage& picture, const QTransform& transform,
                     qreal opacity);

// Which inner loop drawPerspective() uses on this processor: "avx2", "sse2" or "qt" (none).
const char* perspectiveDrawKind();
