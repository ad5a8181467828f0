#pragma once

#include <QString>
#include <QStringList>

// The pictures a folder adds to a project: its readable files (not subfolders) in name order,
// ignoring case, whose names end in ".jpg", ".jpeg", ".gif" or ".png". The suffix is compared
// case-sensitively, as the program always has: "IMG_1.JPG" is not taken.
class PictureFolder
{
public:
    static QStringList pictures(const QString& folder);
    // Whether a file name has a picture suffix (any case) or a music suffix ("mp3", "m4a").
    static bool isPicture(const QString& path);
    static bool isMusic(const QString& path);
};
