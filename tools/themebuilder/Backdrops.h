#pragma once

#include "ThemeRecipe.h"

// Procedural backgrounds, all deterministic (seeded noise, pure functions of the frame index).
namespace Backdrops {
BackdropPainter goldenHour(); // warm drifting gradient, light leaks, soft bokeh
BackdropPainter nightBokeh(); // deep blue night with drifting coloured bokeh
BackdropPainter filmGrain();  // charcoal with grain, flicker, vignette and light streaks
BackdropPainter paper(QColor base, QColor fibre); // still: paper with fibres and soft edges
BackdropPainter oceanBreeze();                    // still: teal to sand with wave lines
BackdropPainter minimalWhite();                   // still: off-white with fine geometric lines
} // namespace Backdrops
