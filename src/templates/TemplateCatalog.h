#pragma once

#include "templates/TemplateInfo.h"

#include <QList>
#include <QMap>
#include <QString>

class QIODevice;

// The installed templates: one folder per template, named by the template id in decimal, in the
// themes folder that themesFolder() finds. Scanned once, when first used; builds the paths of
// every file inside a template. Background media missing from an installed template that cannot
// be written to (a system install) are looked for, and downloaded, in the user's own themes
// folder as well. Read-only after construction, so any thread may use it.
class TemplateCatalog
{
public:
    // The process's catalog of the folders the program chose (use()), scanned when first asked
    // for; a program that chose none gets themesFolder() and userThemesFolder().
    static TemplateCatalog* instance();
    // Chooses the folders of the process's catalog: at start-up, or in a test between renders.
    // Catalogs handed out before stay valid.
    static void use(const QString& templatesDir, const QString& downloadsDir = userThemesFolder());

    // Scans `templatesDir` (ending in "/"); `downloadsDir` (ending in "/", or empty for none) holds
    // media downloaded for templates whose own folder cannot be written.
    explicit TemplateCatalog(const QString& templatesDir, const QString& downloadsDir = QString());

    // Where the program finds its themes, the first that applies: "./templates/" when the working
    // folder has one; $LUMAVIVE_THEMES_DIR; "lumavive/themes" in the user's data folder
    // ($XDG_DATA_HOME), then in each system data folder ($XDG_DATA_DIRS), when it holds a theme;
    // "../share/lumavive/themes" beside the executable. Ends in "/"; "./templates/" when none
    // exists.
    static QString themesFolder();
    // The user's own themes folder ($XDG_DATA_HOME/lumavive/themes/), where downloads go when
    // an installed theme cannot be written.
    static QString userThemesFolder();

    QList<TemplateInfo> entries() const;
    // The entry for `id`; an id without a folder gets an empty entry.
    TemplateInfo entry(int id) const;
    bool contains(int id) const;

    QString dirPath(int id) const;                       // templatesDir + id + "/"
    QString filePath(int id, const QString& name) const; // dirPath(id) + name
    // Where background media lie: the template's folder, else the downloads folder; for a file
    // in neither, where a download should put it (the template's folder when it can be written).
    QString mediaPath(int id, const QString& name) const;
    // A file name from a theme's description is only used when it stays inside the theme's folder.
    static bool isSafeFileName(const QString& name);
    QString folder() const { return templatesDir; }

    // Reads "name" and "preview" from an "info.xml" wherever they stand; the later wins.
    static void readInfo(QIODevice* device, QString* name, QString* preview);

private:
    QString templatesDir;
    QString mediaDir;
    QMap<int, TemplateInfo> entriesById;
};
