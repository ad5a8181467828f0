#include "project/PictureFolder.h"

#include <QDir>
#include <QFileInfo>

QStringList PictureFolder::pictures(const QString& folder)
{
    const QDir dir(folder);
    QStringList result;
    const QStringList names =
        dir.entryList(QDir::Files | QDir::Readable, QDir::Name | QDir::IgnoreCase);
    for (const QString& name : names) {
        if (name.endsWith(QLatin1String(".jpg")) || name.endsWith(QLatin1String(".jpeg")) ||
            name.endsWith(QLatin1String(".gif")) || name.endsWith(QLatin1String(".png")))
            result << dir.filePath(name);
    }
    return result;
}

bool PictureFolder::isPicture(const QString& path)
{
    const QString suffix = QFileInfo(path).suffix().toLower();
    return suffix == QLatin1String("jpg") || suffix == QLatin1String("jpeg") ||
           suffix == QLatin1String("gif") || suffix == QLatin1String("png");
}

bool PictureFolder::isMusic(const QString& path)
{
    const QString suffix = QFileInfo(path).suffix().toLower();
    return suffix == QLatin1String("mp3") || suffix == QLatin1String("m4a");
}
