#pragma once

#include "project/Slide.h"

#include <QSharedPointer>
#include <QVector>

// One scene of the video: the theme scene to play and the slides it shows, one per object in
// ascending object id, and how long the scene plays.
struct ScenePlanEntry
{
    int sceneId = 0;
    QVector<QSharedPointer<Slide>> slides;
    // Frames the scene plays, its hold stretched or shortened to fit; 0 plays it as designed.
    int frames = 0;
};
