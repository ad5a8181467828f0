#pragma once

#include "project/PictureFolder.h"

#include <QCoreApplication>
#include <QString>
#include <QStringList>

// What an add or a drop left out and why, told in sentences that read right for one file and
// for many (no plural forms to translate), naming the first few files.
class SkippedFilesNotice
{
    Q_DECLARE_TR_FUNCTIONS(SkippedFilesNotice)
public:
    static QString title();
    // Empty when nothing was left out.
    static QString message(const PictureFolder::Scan& scan, const QStringList& badMusic);

private:
    static QString someNames(const QStringList& names);
};
