#pragma once

#include "templates/Keyframe.h"
#include "templates/ShadowSpec.h"

#include <QMap>

// What photo and text slots share: where the slot is on each frame it is visible (no entry: the
// slot is absent on that frame), its width/height ratio and how content is fitted into it.
struct SlotObject
{
    // Where content smaller than the slot in one direction sits, as stored in descriptions.
    enum Placement
    {
        Centre = 0,
        Start = 1,
        End = 2
    }; // Start: top or left; End: bottom or right

    QMap<int, Keyframe> keyframes; // frame number within the scene, from 0
    float aspect = 1.0f;
    float maxWidth = 1.0f;  // largest share of the output width a prepared photo may keep
    float maxHeight = 1.0f; // likewise of the output height
    ShadowSpec shadow;
    int vPos = Centre; // content relatively wider than the slot
    int hPos = Centre; // content relatively taller than the slot
};
