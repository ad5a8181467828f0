#pragma once

#include <QImage>
#include <QString>

// One frame of an installed theme's scene as the program would compose it, with sample pictures
// and a sample text in its slots: read from the theme's files (its "template.xml" and
// backgrounds), drawn with the program's own object layers. 1920x1080.
class ScenePreview
{
public:
    // `folder` is the theme's folder (ending in "/"); `frame` counts from 0.
    static QImage compose(const QString& folder, int themeId, int sceneId, int frame);
};
