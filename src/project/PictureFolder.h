#pragma once

#include <QString>
#include <QStringList>

// Which files a project takes, by their suffix in any case ("IMG_0001.JPG" as "a.jpg"): photos
// in the formats Qt's image plug-ins read (JPEG, PNG, GIF, WebP, TIFF, and HEIC/HEIF and AVIF as
// phones write them), music in the common formats FFmpeg decodes. A folder adds its readable
// photos in name order, ignoring case; what it skips is listed with the reason.
class PictureFolder
{
public:
    // What a folder (or a list of chosen files) gives: the photos in order, and the files left
    // out, as file names, by reason.
    struct Scan
    {
        QStringList pictures;
        QStringList notPictures; // another kind of file (a film, a note)
        QStringList unreadable;  // a photo's name, but damaged or in a format this system lacks
    };

    // The photos of a folder (not its subfolders) in name order, ignoring case.
    static QStringList pictures(const QString& folder);
    static Scan scanFolder(const QString& folder);
    // Sorts chosen files: pictures that can be read, and the others.
    static Scan scanFiles(const QStringList& paths);

    static bool isPicture(const QString& path);
    static bool isMusic(const QString& path);
    // Whether the picture's content can be decoded here (its header is read, not the picture).
    static bool canRead(const QString& path);
    // "*.jpg *.jpeg ...": the file choosers' filters, upper-case variants included.
    static QString pictureFilter();
    static QString musicFilter();
};
