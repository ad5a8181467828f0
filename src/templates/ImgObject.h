#pragma once

#include "templates/PanZoomSpec.h"
#include "templates/SlotObject.h"

#include <QColor>

// One photo slot.
struct ImgObject : SlotObject
{
    // Border thickness as a fraction of the photo's height (photo relatively narrower than the
    // slot, or as wide) or of its width (photo relatively wider).
    float borderWidth = 0.0f;
    QColor borderColor = QColor(255, 255, 255);
    // Optional: the photo covers the slot and pans or zooms over the scene.
    PanZoomSpec panZoom;
};
