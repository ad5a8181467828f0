#include "app/SavedProjectImageProvider.h"

#include "app/SavedProjectsPres.h"
#include "engine/ProjectPreviews.h"

#include <QFileInfo>

SavedProjectImageProvider* SavedProjectImageProvider::instance()
{
    // Handed to the QML engine, which deletes it at exit.
    static SavedProjectImageProvider* const provider = new SavedProjectImageProvider;
    return provider;
}

SavedProjectImageProvider::SavedProjectImageProvider()
    : QQuickImageProvider(QQuickImageProvider::Image)
{
}

QImage SavedProjectImageProvider::requestImage(const QString& id, QSize* size, const QSize&)
{
    static const QImage empty;
    const QStringList parts = id.split(QLatin1Char('/'));
    QImage picture;
    if (parts.size() == 2) {
        QString folder = parts[0];
        folder.replace(QLatin1String("%7B"), QLatin1String("{"), Qt::CaseInsensitive)
            .replace(QLatin1String("%7D"), QLatin1String("}"), Qt::CaseInsensitive);
        bool numbered = false;
        const int position = parts[1].toInt(&numbered);
        if (SavedProjectsPres::isSafeId(folder) && numbered && position >= 0 && position <= 5) {
            const QString file = SavedProjectsPres::projectsFolder() + folder + QLatin1Char('/') +
                                 ProjectPreviews::fileName(position + 1);
            if (QFileInfo::exists(file))
                picture.load(file);
        }
    }
    if (picture.isNull())
        picture = empty;
    if (size)
        *size = picture.size();
    return picture;
}
