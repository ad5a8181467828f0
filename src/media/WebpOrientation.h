#pragma once

#include <QImage>
#include <QString>

class QIODevice;

// Cameras and phones that write WebP keep the EXIF orientation in the file's "EXIF" chunk, which
// Qt's WebP reader does not apply. These read it (bounded, from untrusted files) and turn the
// picture upright, as JPEGs are turned.
class WebpOrientation
{
public:
    // The EXIF orientation (1 to 8) of a WebP file; 1 when it is no WebP or names none.
    static int of(const QString& path);
    static int of(QIODevice* file);
    // The orientation of a TIFF block ("II"/"MM" header, optionally after "Exif\0\0").
    static int ofTiff(QByteArray tiff);
    // The picture as it is meant to be seen, for orientation 1 to 8.
    static QImage upright(const QImage& stored, int orientation);
};
