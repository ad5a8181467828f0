#pragma once

#include "media/VideoSize.h"

#include <QDir>
#include <QStandardPaths>
#include <QString>

// The render settings a project carries: quality 1 = Full HD 1920x1080, 0 = HD 1280x720, and
// the folder that receives rendered videos.
struct UserData
{
    enum Quality
    {
        Hd = 0,
        FullHd = 1
    };

    int quality = Hd;
    QString saveDir = defaultSaveDir();

    QSize videoSize() const { return ::videoSize(quality == FullHd); }

    // The user's movies folder (the temporary folder when there is none) + "Lumavive",
    // in native separators.
    static QString defaultSaveDir()
    {
        QString base = QStandardPaths::writableLocation(QStandardPaths::MoviesLocation);
        if (base.isEmpty())
            base = QStandardPaths::writableLocation(QStandardPaths::TempLocation);
        return QDir::toNativeSeparators(base) + QDir::separator() + QStringLiteral("Lumavive");
    }
};
