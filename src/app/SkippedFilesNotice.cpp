#include "app/SkippedFilesNotice.h"

QString SkippedFilesNotice::title()
{
    return tr("Some files were not added");
}

QString SkippedFilesNotice::someNames(const QStringList& names)
{
    const int shown = 5;
    QString text = QStringList(names.mid(0, shown)).join(QStringLiteral(", "));
    if (names.size() > shown)
        text += tr(", and %1 more").arg(names.size() - shown);
    return text;
}

QString SkippedFilesNotice::message(const PictureFolder::Scan& scan, const QStringList& badMusic)
{
    QStringList lines;
    if (!scan.unreadable.isEmpty())
        lines << tr("Photos that cannot be read, damaged or in a format this system cannot open: "
                    "%1.")
                     .arg(someNames(scan.unreadable));
    if (!badMusic.isEmpty())
        lines << tr("Music that cannot be played, damaged or holding no sound: %1.")
                     .arg(someNames(badMusic));
    if (!scan.notPictures.isEmpty())
        lines << tr("Neither photos nor music: %1.").arg(someNames(scan.notPictures));
    if (lines.isEmpty())
        return QString();
    const int skipped = scan.unreadable.size() + badMusic.size() + scan.notPictures.size();
    lines.prepend(tr("Files not added: %1.").arg(skipped));
    return lines.join(QLatin1Char('\n'));
}
