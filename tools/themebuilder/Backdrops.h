#pragma once

#include "ThemeRecipe.h"

// Procedural backgrounds, all deterministic (seeded noise, pure functions of the frame index).
// Each is soft or flat where it can be: every render decodes them again, and fine detail costs
// bits and decoding time at 1080p.
class QPainter;

namespace Backdrops {
// A backdrop drawn by `draw` with an antialiased painter on a fresh canvas of w x h, for frame
// `index`.
BackdropPainter antialiased(std::function<void(QPainter& p, int index, int w, int h)> draw);
BackdropPainter goldenHour(); // warm drifting gradient, light leaks, soft bokeh
BackdropPainter nightBokeh(); // deep blue night with drifting coloured bokeh
BackdropPainter filmGrain();  // charcoal with grain, flicker, vignette and light streaks
// Paper with fibres and soft edges, and a patch of window light drifting over it.
BackdropPainter paper(QColor base, QColor fibre);
BackdropPainter oceanBreeze(); // teal to sand with rolling wave lines
// A gallery wall with fine diagonal lines and a mat, a soft band of light passing slowly.
BackdropPainter gallery(QColor wall, QColor lines, QColor mat, QColor edge);
BackdropPainter weddingLight(); // ivory to blush, slow rays and pale gold bokeh
BackdropPainter travelMap();    // paper map: graticule, postage stamps, postmarks, marching routes
BackdropPainter confetti();     // a bright party wall with confetti falling
BackdropPainter candlelight();  // dark slate, a breathing warm glow, slow rising motes
BackdropPainter stadium();      // navy with bold diagonal bands sweeping and speed lines
} // namespace Backdrops
