#include "templates/TemplateCatalog.h"

#include <QDir>
#include <QFile>
#include <QXmlStreamReader>

TemplateCatalog* TemplateCatalog::instance()
{
    static TemplateCatalog* const catalog = new TemplateCatalog(QStringLiteral("./templates/"));
    return catalog;
}

TemplateCatalog::TemplateCatalog(const QString& templatesDir)
    : templatesDir(templatesDir), mediaDir(templatesDir)
{
    const QStringList folders =
        QDir(templatesDir).entryList(QDir::Dirs | QDir::NoDotAndDotDot, QDir::NoSort);
    for (const QString& folder : folders) {
        const int id = folder.toInt(); // a name that is not a number reads as 0
        if (entriesById.contains(id))
            continue; // the first folder listed with an id wins
        TemplateInfo info;
        info.id = id;
        const QString folderPath = templatesDir + folder;
        QFile file(folderPath + QStringLiteral("/info.xml"));
        if (file.open(QIODevice::ReadOnly | QIODevice::Text))
            readInfo(&file, &info.name, &info.preview);
        info.thumbPath = folderPath + QStringLiteral("/thumb.jpg");
        info.prjThumbPath = folderPath + QStringLiteral("/thumb-prj.jpg");
        entriesById.insert(id, info);
    }
}

void TemplateCatalog::readInfo(QIODevice* device, QString* name, QString* preview)
{
    QXmlStreamReader reader(device);
    while (!reader.atEnd() && !reader.hasError()) {
        reader.readNext();
        if (!reader.isStartElement())
            continue;
        if (reader.name() == QLatin1String("name"))
            *name = reader.readElementText(QXmlStreamReader::IncludeChildElements);
        else if (reader.name() == QLatin1String("preview"))
            *preview = reader.readElementText(QXmlStreamReader::IncludeChildElements);
    }
}

QList<TemplateInfo> TemplateCatalog::entries() const
{
    return entriesById.values();
}

TemplateInfo TemplateCatalog::entry(int id) const
{
    // An unknown id is not added to the catalog: the theme list would show it.
    return entriesById.value(id, TemplateInfo{id, {}, {}, {}, {}});
}

bool TemplateCatalog::contains(int id) const
{
    return entriesById.contains(id);
}

QString TemplateCatalog::dirPath(int id) const
{
    return templatesDir + QString::number(id) + QLatin1Char('/');
}

QString TemplateCatalog::filePath(int id, const QString& name) const
{
    return dirPath(id) + name;
}

QString TemplateCatalog::mediaPath(int id, const QString& name) const
{
    return mediaDir + QString::number(id) + QLatin1Char('/') + name;
}
