#pragma once

#include "templates/Scene.h"

#include <QMap>
#include <QSharedPointer>

// A parsed "template.xml". Immutable once the parser returns it, so the project, the render
// engine and the scene readers share it across threads without locking.
struct TemplateDescription
{
    using SceneMap = QMap<int, QSharedPointer<Scene>>;

    int id = 0;
    QSharedPointer<SceneMap> scenes = QSharedPointer<SceneMap>::create(); // by ascending id
    int fadeIn = 0;        // frames rising from black at the start
    int fadeOut = 0;       // frames falling to black at the end
    int sceneOverflow = 0; // frames by which consecutive scenes overlap
    int textMaxSize = 70;
    // The plan may take the next photo scene instead when its slots suit the photos' shapes
    // better (portrait photos in portrait slots); "orientation-aware" in the description.
    bool orientationAware = false;
};
