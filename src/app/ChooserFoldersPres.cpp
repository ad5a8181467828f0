#include "app/ChooserFoldersPres.h"

#include "app/ProjectPres.h"

#include <QDir>
#include <QFileInfo>
#include <QStandardPaths>

ChooserFoldersPres* ChooserFoldersPres::instance()
{
    static ChooserFoldersPres* const presenter = new ChooserFoldersPres;
    return presenter;
}

ChooserFoldersPres::ChooserFoldersPres(QObject* parent) : QObject(parent) {}

QUrl ChooserFoldersPres::folder(const QString& kind) const
{
    const QString last = settings.value(QStringLiteral("choosers/") + kind).toString();
    if (!last.isEmpty() && QFileInfo(last).isDir())
        return QUrl::fromLocalFile(last);
    const auto place = kind == QLatin1String("music") ? QStandardPaths::MusicLocation
                                                      : QStandardPaths::PicturesLocation;
    const QString standard = QStandardPaths::writableLocation(place);
    return QUrl::fromLocalFile(QFileInfo(standard).isDir() ? standard : QDir::homePath());
}

void ChooserFoldersPres::chosen(const QString& kind, const QVariant& urls)
{
    const QStringList paths = ProjectPres::localPaths(urls);
    if (paths.isEmpty())
        return;
    // A file's folder; a folder chosen whole opens at its parent, beside its siblings.
    const QString where = QFileInfo(paths.first()).absolutePath();
    settings.setValue(QStringLiteral("choosers/") + kind, where);
    emit changed();
}
