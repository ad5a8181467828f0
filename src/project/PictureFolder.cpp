#include "project/PictureFolder.h"

#include <QDir>
#include <QFileInfo>
#include <QImageReader>

namespace {

const QStringList& pictureSuffixes()
{
    static const QStringList suffixes{"jpg", "jpeg", "png",  "gif",  "webp",
                                      "tif", "tiff", "heic", "heif", "avif"};
    return suffixes;
}

const QStringList& musicSuffixes()
{
    static const QStringList suffixes{"mp3", "m4a", "aac", "flac", "ogg", "oga", "opus", "wav"};
    return suffixes;
}

bool hasSuffix(const QString& path, const QStringList& suffixes)
{
    return suffixes.contains(QFileInfo(path).suffix().toLower());
}

QString filterOf(const QStringList& suffixes)
{
    // Some desktop choosers compare patterns case-sensitively: list both spellings.
    QStringList patterns;
    for (const QString& suffix : suffixes)
        patterns << QStringLiteral("*.") + suffix << QStringLiteral("*.") + suffix.toUpper();
    return patterns.join(QLatin1Char(' '));
}

} // namespace

bool PictureFolder::isPicture(const QString& path)
{
    return hasSuffix(path, pictureSuffixes());
}

bool PictureFolder::isMusic(const QString& path)
{
    return hasSuffix(path, musicSuffixes());
}

bool PictureFolder::canRead(const QString& path)
{
    QImageReader reader(path);
    // By content: a PNG saved as ".jpg" is still a photo.
    reader.setDecideFormatFromContent(true);
    return reader.canRead();
}

QString PictureFolder::pictureFilter()
{
    return filterOf(pictureSuffixes());
}

QString PictureFolder::musicFilter()
{
    return filterOf(musicSuffixes());
}

PictureFolder::Scan PictureFolder::scanFiles(const QStringList& paths)
{
    Scan scan;
    for (const QString& path : paths) {
        if (!isPicture(path))
            scan.notPictures << QFileInfo(path).fileName();
        else if (!canRead(path))
            scan.unreadable << QFileInfo(path).fileName();
        else
            scan.pictures << path;
    }
    return scan;
}

PictureFolder::Scan PictureFolder::scanFolder(const QString& folder)
{
    const QDir dir(folder);
    QStringList paths;
    const QStringList names =
        dir.entryList(QDir::Files | QDir::Readable, QDir::Name | QDir::IgnoreCase);
    for (const QString& name : names)
        paths << dir.filePath(name);
    return scanFiles(paths);
}

QStringList PictureFolder::pictures(const QString& folder)
{
    return scanFolder(folder).pictures;
}
