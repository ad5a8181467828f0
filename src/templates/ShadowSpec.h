#pragma once

#include <QColor>

// A drop shadow. Offsets and blur are in units of a per-object length: the border thickness for
// photos, the fitted point size for texts.
struct ShadowSpec
{
    float x = 0.0f;
    float y = 0.0f;
    float blur = 0.0f;
    QColor color = QColor(0, 0, 0, 255);
};
