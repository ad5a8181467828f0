#pragma once

#include <cstdint>

// One row span of a picture drawn through a projective transform: the inner loop of
// drawPerspective(), in one version per instruction set. Pixels are premultiplied ARGB; the
// picture is sampled bilinearly with 8-bit weights and laid over the target (source-over) with
// `alpha` (0..255) folded in, the way Qt's raster engine blends a smooth transformed image.
struct PerspectiveSpan
{
    const std::uint32_t* picture = nullptr;
    int stride = 0; // in pixels
    int width = 0;
    int height = 0;
    // Target pixel centre -> picture point: (fx, fy, fw) = (x, y, 1) * inverse, point = f / fw.
    // Each span starts from a double-precision origin; single precision only steps along it.
    double m11 = 0, m12 = 0, m13 = 0, m21 = 0, m22 = 0, m23 = 0, dx = 0, dy = 0, m33 = 1;
};

// Draws target pixels [x0, x1) of row y into `row` (the row's first pixel).
using PerspectiveSpanFunction = void (*)(const PerspectiveSpan& span, std::uint32_t* row, int y,
                                         int x0, int x1, int alpha);

void perspectiveSpanSse2(const PerspectiveSpan& span, std::uint32_t* row, int y, int x0, int x1,
                         int alpha);
void perspectiveSpanAvx2(const PerspectiveSpan& span, std::uint32_t* row, int y, int x0, int x1,
                         int alpha);
