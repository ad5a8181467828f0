#include "media/BeatCache.h"

#include "base/AtomicFile.h"

#include <QCryptographicHash>
#include <QDir>
#include <QFile>
#include <QStandardPaths>

QString BeatCache::folder()
{
    return QStandardPaths::writableLocation(QStandardPaths::CacheLocation) +
           QStringLiteral("/beats");
}

QByteArray BeatCache::contentHash(const QString& path)
{
    QFile file(path);
    QCryptographicHash hash(QCryptographicHash::Sha256);
    if (!file.open(QIODevice::ReadOnly) || !hash.addData(&file))
        return QByteArray();
    return hash.result().toHex();
}

bool BeatCache::find(const QString& path, BeatGrid* grid, const BeatAnalysis::Progress& progress,
                     bool* fromCache)
{
    const QByteArray hash = contentHash(path);
    const QString kept = folder() + QLatin1Char('/') + QString::fromLatin1(hash);
    if (fromCache)
        *fromCache = false;
    QFile cached(kept);
    if (!hash.isEmpty() && cached.open(QIODevice::ReadOnly) &&
        BeatGrid::fromText(cached.readAll(), grid)) {
        if (fromCache)
            *fromCache = true;
        return true;
    }
    if (!BeatAnalysis::analyse(path, grid, progress))
        return false;
    if (!hash.isEmpty() && QDir().mkpath(folder()))
        AtomicFile::write(kept, grid->toText());
    return true;
}
