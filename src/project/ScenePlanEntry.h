#pragma once

#include "project/Slide.h"

#include <QSharedPointer>
#include <QVector>

// One scene of the video: the theme scene to play and the slides it shows, one per object in
// ascending object id.
struct ScenePlanEntry
{
    int sceneId = 0;
    QVector<QSharedPointer<Slide>> slides;
};
