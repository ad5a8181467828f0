#pragma once

#include "templates/Keyframe.h"
#include "templates/ShadowSpec.h"

#include <QMap>

// What photo and text slots share: where the slot is on each frame it is visible (no entry: the
// slot is absent on that frame), its width/height ratio and how content is fitted into it.
struct SlotObject
{
    QMap<int, Keyframe> keyframes; // frame number within the scene, from 0
    float aspect = 1.0f;
    float maxWidth = 1.0f;  // largest share of the output width a prepared photo may keep
    float maxHeight = 1.0f; // likewise of the output height
    ShadowSpec shadow;
    int vPos = 0; // 0 centre, 1 top, 2 bottom (content relatively wider than the slot)
    int hPos = 0; // 0 centre, 1 left, 2 right (content relatively taller than the slot)
};
