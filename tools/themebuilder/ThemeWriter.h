#pragma once

#include "ThemeRecipe.h"

#include <QSize>
#include <QString>

// Writes one theme in the installed format into `templatesDir`/<id>/: "template.xml" with a
// keyframe for every visible frame, "info.xml", the backgrounds (videos encoded with the program's
// own video output at 1920x1080, 30 fps; stills as JPEG), textures, slide backgrounds, the tile
// "thumb.jpg" and the saved-project cover "thumb-prj.jpg". Same recipe, same bytes. A theme whose
// folder holds the stamp of the same recipe is left as it is.
class ThemeWriter
{
public:
    explicit ThemeWriter(const QString& templatesDir) : root(templatesDir) {}
    bool write(const ThemeRecipe& theme);

    QString lastError() const { return error; }
    // Whether the last `write` found the theme already written from the same recipe.
    bool skipped() const { return skippedLast; }

private:
    // The description; `vouch` adds the videos' hashes and sizes (read from `folder`).
    bool describe(const ThemeRecipe& theme, const QString& folder, bool vouch, QString* xml);
    bool writeInfo(const ThemeRecipe& theme, const QString& folder);
    QByteArray fingerprint(const ThemeRecipe& theme, const QString& description) const;
    bool writeBackground(const SceneRecipe& scene, const QString& folder);
    bool writeVideo(const SceneRecipe& scene, const QString& path, QSize size);
    bool writeTile(const ThemeRecipe& theme, const QString& folder);
    bool writeSamples(const QString& folder);
    bool fail(const QString& message);

    QString root;
    QString error;
    bool skippedLast = false;
};
