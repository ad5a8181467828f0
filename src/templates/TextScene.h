#pragma once

#include "templates/Scene.h"
#include "templates/TextObject.h"

#include <QMap>
#include <QSharedPointer>

// A scene of text slots, keyed by object id.
class TextScene : public Scene
{
public:
    using ObjectMap = QMap<int, QSharedPointer<TextObject>>;

    TextScene() { type = TextSlides; }
    int objectCount() const override { return objects->size(); }

    QSharedPointer<ObjectMap> objects = QSharedPointer<ObjectMap>::create();
};
