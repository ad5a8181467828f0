#pragma once

#include "images/QExifValue.h"

#include <QByteArray>
#include <QImage>
#include <QMap>
#include <QString>

class QIODevice;

// The EXIF block of one JPEG file: the TIFF structure in its APP1 segment parsed into tag-value
// maps, and the embedded preview. Files come from anywhere, so every read is bounds-checked:
// a value that cannot be read whole is absent, and nothing is allocated beyond what the data
// holds. Never writes.
class ExifHeader
{
public:
    enum ByteOrder
    {
        LittleEndian,
        BigEndian
    };
    enum Tag : quint16
    {
        Orientation = 0x0112,
        XResolution = 0x011A,
        YResolution = 0x011B,
        ResolutionUnit = 0x0128,
        JpegInterchangeFormat = 0x0201,
        JpegInterchangeFormatLength = 0x0202,
        ExifIfdPointer = 0x8769,
        GpsInfoIfdPointer = 0x8825,
        PixelXDimension = 0xA002,
        PixelYDimension = 0xA003,
        InteroperabilityIfdPointer = 0xA005
    };
    using ValueMap = QMap<quint16, QExifValue>;

    ExifHeader() = default;
    // Reads the file's EXIF block; a file that cannot be opened or has none gives an empty header.
    explicit ExifHeader(const QString& fileName);

    // Clears the header, then finds and parses the EXIF block of JPEG data.
    bool loadFromJpeg(QIODevice* device);
    // Parses a TIFF structure starting at the device's current position.
    bool read(QIODevice* device);

    // A tag of the EXIF sub-IFD; the absent value when missing.
    QExifValue value(quint16 tag) const { return exifIfdValues.value(tag); }
    const ValueMap& imageValues() const { return imageIfdValues; }
    const ValueMap& exifValues() const { return exifIfdValues; }
    const ValueMap& gpsValues() const { return gpsIfdValues; }
    ByteOrder order() const { return byteOrder; }
    QByteArray thumbnailBytes() const { return thumbnailData; }

    // The embedded preview decoded and turned upright by its own orientation, or, when it has
    // none (as cameras write it), by the main image's; null when none.
    QImage thumbnail() const;
    // The orientation (1 to 8; 0 when unknown) that thumbnail() applies.
    int thumbnailTurn() const;

private:
    void clear();
    bool parse(const QByteArray& tiff);

    ByteOrder byteOrder = BigEndian;
    ValueMap imageIfdValues;
    ValueMap exifIfdValues;
    ValueMap gpsIfdValues;
    QByteArray thumbnailData;
    QExifValue thumbnailXResolution;
    QExifValue thumbnailYResolution;
    QExifValue thumbnailResolutionUnit;
    QExifValue thumbnailOrientation;
};
