#pragma once

#include "templates/ImgObject.h"
#include "templates/Scene.h"

#include <QMap>
#include <QSharedPointer>

// A scene of photo slots, keyed by object id: ascending ids take the first, second, ... photo.
class ImgScene : public Scene
{
public:
    using ObjectMap = QMap<int, QSharedPointer<ImgObject>>;

    ImgScene() { type = ImageSlides; }
    int objectCount() const override { return objects->size(); }

    QSharedPointer<ObjectMap> objects = QSharedPointer<ObjectMap>::create();
};
