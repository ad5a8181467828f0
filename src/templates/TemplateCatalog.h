#pragma once

#include "templates/TemplateInfo.h"

#include <QList>
#include <QMap>
#include <QString>

class QIODevice;

// The installed templates: one folder per template under "./templates/" (relative to the working
// directory), named by the template id in decimal. Scanned once, when first used; builds the
// paths of every file inside a template. Read-only after construction, so any thread may use it.
class TemplateCatalog
{
public:
    static TemplateCatalog* instance();

    // Scans `templatesDir` (ending in "/"). The program uses "./templates/".
    explicit TemplateCatalog(const QString& templatesDir);

    QList<TemplateInfo> entries() const;
    // The entry for `id`; an id without a folder gets an empty entry.
    TemplateInfo entry(int id) const;
    bool contains(int id) const;

    QString dirPath(int id) const;                          // templatesDir + id + "/"
    QString filePath(int id, const QString& name) const;    // dirPath(id) + name
    QString mediaPath(int id, const QString& name) const;   // where background media lie

    // Reads "name" and "preview" from an "info.xml" wherever they stand; the later wins.
    static void readInfo(QIODevice* device, QString* name, QString* preview);

private:
    QString templatesDir;
    QString mediaDir;
    QMap<int, TemplateInfo> entriesById;
};
