#include "templates/TemplateCatalog.h"

#include <QCoreApplication>
#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QMutex>
#include <QStandardPaths>
#include <QTemporaryFile>
#include <QXmlStreamReader>

#include <atomic>
#include <memory>
#include <vector>

namespace {

// The catalog in use, made when first asked for, of the folders last chosen. None is freed before
// the process ends: a render or a download may still hold one that was replaced.
std::atomic<TemplateCatalog*> current{nullptr};
QMutex currentLock;
QStringList chosenFolders; // the themes and the downloads folder; empty before any choice
std::vector<std::unique_ptr<TemplateCatalog>>& allMade()
{
    static std::vector<std::unique_ptr<TemplateCatalog>> catalogs;
    return catalogs;
}

} // namespace

TemplateCatalog* TemplateCatalog::instance()
{
    if (TemplateCatalog* catalog = current.load())
        return catalog;
    QMutexLocker lock(&currentLock);
    if (!current.load()) {
        if (chosenFolders.isEmpty())
            chosenFolders = QStringList{themesFolder(), userThemesFolder()};
        allMade().push_back(std::make_unique<TemplateCatalog>(chosenFolders[0], chosenFolders[1]));
        current.store(allMade().back().get());
    }
    return current.load();
}

void TemplateCatalog::use(const QString& templatesDir, const QString& downloadsDir)
{
    QMutexLocker lock(&currentLock);
    chosenFolders = QStringList{templatesDir, downloadsDir};
    current.store(nullptr);
}

namespace {

QString withSlash(const QString& folder)
{
    return folder.endsWith(QLatin1Char('/')) ? folder : folder + QLatin1Char('/');
}

// A folder that holds at least one theme (not only media downloaded for themes elsewhere).
bool holdsThemes(const QString& folder)
{
    const QDir dir(folder);
    for (const QString& name : dir.entryList(QDir::Dirs | QDir::NoDotAndDotDot))
        if (QFileInfo::exists(dir.filePath(name + QStringLiteral("/template.xml"))))
            return true;
    return false;
}

// Whether files can be made in `folder`, or in the nearest folder above it that exists (where
// it would be made). Tried: permissions alone do not tell for root, nor for read-only file
// systems.
bool canWriteIn(QString folder)
{
    while (!QFileInfo(folder).isDir()) {
        const QString parent = QFileInfo(QDir::cleanPath(folder)).path();
        if (parent == folder || parent.isEmpty())
            return false;
        folder = parent;
    }
    QTemporaryFile probe(folder + QStringLiteral("/.lumavive-probe-XXXXXX"));
    return probe.open();
}

} // namespace

QString TemplateCatalog::userThemesFolder()
{
    return withSlash(QStandardPaths::writableLocation(QStandardPaths::GenericDataLocation)) +
           QStringLiteral("lumavive/themes/");
}

QString TemplateCatalog::themesFolder()
{
    if (QFileInfo(QStringLiteral("./templates")).isDir())
        return QStringLiteral("./templates/");
    const QString configured = qEnvironmentVariable("LUMAVIVE_THEMES_DIR");
    if (!configured.isEmpty() && QFileInfo(configured).isDir())
        return withSlash(configured);
    for (const QString& data :
         QStandardPaths::standardLocations(QStandardPaths::GenericDataLocation)) {
        const QString folder = withSlash(data) + QStringLiteral("lumavive/themes/");
        if (holdsThemes(folder))
            return folder;
    }
    // A relocated or unpacked install: bin/ and share/ side by side.
    const QString beside =
        QCoreApplication::applicationDirPath() + QStringLiteral("/../share/lumavive/themes");
    if (QFileInfo(beside).isDir())
        return withSlash(QDir::cleanPath(beside));
    return QStringLiteral("./templates/");
}

TemplateCatalog::TemplateCatalog(const QString& templatesDir, const QString& downloadsDir)
    : templatesDir(templatesDir), mediaDir(downloadsDir == templatesDir ? QString() : downloadsDir)
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
    const QString installed = filePath(id, name);
    if (mediaDir.isEmpty() || QFileInfo::exists(installed))
        return installed;
    const QString downloaded = mediaDir + QString::number(id) + QLatin1Char('/') + name;
    if (QFileInfo::exists(downloaded))
        return downloaded;
    return canWriteIn(dirPath(id)) ? installed : downloaded;
}

bool TemplateCatalog::isSafeFileName(const QString& name)
{
    if (name.isEmpty() || name.contains(QLatin1Char('\\')) || QDir::isAbsolutePath(name) ||
        name.contains(QLatin1Char(':')))
        return false;
    const QString clean = QDir::cleanPath(name);
    return clean != QLatin1String("..") && !clean.startsWith(QLatin1String("../")) &&
           !name.split(QLatin1Char('/')).contains(QStringLiteral(".."));
}
