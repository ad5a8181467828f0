#include "images/ExifHeader.h"

#include <QBuffer>
#include <QFile>
#include <QImageReader>
#include <QTransform>
#include <QtEndian>

namespace {

// The TIFF data lives in one APP1 segment, so it is never larger than 64 KiB; a TIFF structure
// read from another device is capped at this size.
constexpr qint64 kMaxTiffBytes = 1 << 20;
constexpr qint64 kMaxThumbnailPixels = 4096 * 4096;

// Bounds-checked reads of the TIFF data in the file's byte order.
class TiffData
{
public:
    TiffData(const QByteArray& data, ExifHeader::ByteOrder order) : data(data), order(order) {}

    bool has(quint64 offset, quint64 length) const
    {
        return offset <= quint64(data.size()) && length <= quint64(data.size()) - offset;
    }
    quint16 u16(quint64 offset) const
    {
        const auto* p = reinterpret_cast<const uchar*>(data.constData() + offset);
        return order == ExifHeader::BigEndian ? qFromBigEndian<quint16>(p)
                                              : qFromLittleEndian<quint16>(p);
    }
    quint32 u32(quint64 offset) const
    {
        const auto* p = reinterpret_cast<const uchar*>(data.constData() + offset);
        return order == ExifHeader::BigEndian ? qFromBigEndian<quint32>(p)
                                              : qFromLittleEndian<quint32>(p);
    }
    QByteArray bytes(quint64 offset, quint64 length) const
    {
        return data.mid(int(offset), int(length));
    }

    const QByteArray& data;
    ExifHeader::ByteOrder order;
};

struct IfdEntry
{
    quint16 tag;
    quint16 type;
    quint32 count;
    quint64 fieldOffset; // position of the 4-byte value-or-offset field
};

// Entries of the IFD at `offset` (only those that lie whole inside the data) and the offset of
// the next IFD (0 when none or unreadable).
QList<IfdEntry> readEntries(const TiffData& tiff, quint64 offset, quint32* next)
{
    QList<IfdEntry> entries;
    *next = 0;
    if (!tiff.has(offset, 2))
        return entries;
    const quint16 count = tiff.u16(offset);
    quint64 position = offset + 2;
    for (quint16 i = 0; i < count && tiff.has(position, 12); ++i, position += 12)
        entries.append(
            {tiff.u16(position), tiff.u16(position + 2), tiff.u32(position + 4), position + 8});
    if (entries.size() == count && tiff.has(position, 4))
        *next = tiff.u32(position);
    return entries;
}

// Where an entry's `count` items of `itemSize` bytes are: inside the field when they fit in
// `inlineLimit` items, else at the offset the field holds. False when they do not lie whole
// inside the data.
bool locate(const TiffData& tiff, const IfdEntry& entry, quint64 itemSize, quint32 inlineLimit,
            quint64* position)
{
    *position = entry.count <= inlineLimit ? entry.fieldOffset : tiff.u32(entry.fieldOffset);
    return tiff.has(*position, quint64(entry.count) * itemSize);
}

QExifValue readValue(const TiffData& tiff, const IfdEntry& entry)
{
    quint64 at = 0;
    switch (entry.type) {
    case QExifValue::Byte: {
        if (!locate(tiff, entry, 1, 4, &at))
            return {};
        QVector<quint8> values(int(entry.count));
        for (quint32 i = 0; i < entry.count; ++i)
            values[int(i)] = quint8(tiff.data[int(at + i)]);
        return QExifValue::bytes(values);
    }
    case QExifValue::Ascii: {
        if (!locate(tiff, entry, 1, 4, &at))
            return {};
        const QByteArray raw = tiff.bytes(at, entry.count);
        return QExifValue::ascii(QString::fromLatin1(raw.constData(), qMax(0, raw.size() - 1)),
                                 entry.count);
    }
    case QExifValue::Short: {
        if (!locate(tiff, entry, 2, 2, &at))
            return {};
        QVector<quint16> values(int(entry.count));
        for (quint32 i = 0; i < entry.count; ++i)
            values[int(i)] = tiff.u16(at + 2 * quint64(i));
        return QExifValue::shorts(values);
    }
    case QExifValue::Long:
    case QExifValue::SignedLong: {
        if (!locate(tiff, entry, 4, 1, &at))
            return {};
        QVector<quint32> values(int(entry.count));
        for (quint32 i = 0; i < entry.count; ++i)
            values[int(i)] = tiff.u32(at + 4 * quint64(i));
        if (entry.type == QExifValue::Long)
            return QExifValue::longs(values);
        QVector<qint32> signedValues(values.size());
        for (int i = 0; i < values.size(); ++i)
            signedValues[i] = qint32(values[i]);
        return QExifValue::signedLongs(signedValues);
    }
    case QExifValue::Rational:
    case QExifValue::SignedRational: {
        at = tiff.u32(entry.fieldOffset);
        if (!tiff.has(at, quint64(entry.count) * 8))
            return {};
        QVector<QExifValue::URational> values(int(entry.count));
        QVector<QExifValue::SRational> signedValues(int(entry.count));
        for (quint32 i = 0; i < entry.count; ++i) {
            const quint32 numerator = tiff.u32(at + 8 * quint64(i));
            const quint32 denominator = tiff.u32(at + 8 * quint64(i) + 4);
            values[int(i)] = {numerator, denominator};
            signedValues[int(i)] = {qint32(numerator), qint32(denominator)};
        }
        return entry.type == QExifValue::Rational ? QExifValue::rationals(values)
                                                  : QExifValue::signedRationals(signedValues);
    }
    case QExifValue::Undefined:
        if (!locate(tiff, entry, 1, 4, &at))
            return {};
        return QExifValue::undefined(tiff.bytes(at, entry.count));
    default:
        qWarning("Invalid Ifd Type %d", int(entry.type));
        return {};
    }
}

ExifHeader::ValueMap readValues(const TiffData& tiff, const QList<IfdEntry>& entries)
{
    ExifHeader::ValueMap values;
    for (const IfdEntry& entry : entries)
        values.insert(entry.tag, readValue(tiff, entry));
    return values;
}

// A sub-IFD is followed only when its pointer is a single Long.
ExifHeader::ValueMap readSubIfd(const TiffData& tiff, const ExifHeader::ValueMap& parent,
                                quint16 pointerTag)
{
    const QExifValue pointer = parent.value(pointerTag);
    if (pointer.type() != QExifValue::Long || pointer.count() != 1)
        return {};
    quint32 unusedNext = 0;
    return readValues(tiff, readEntries(tiff, pointer.toLongVector().value(0), &unusedNext));
}

bool isSingleLong(const QExifValue& value)
{
    return value.type() == QExifValue::Long && value.count() == 1;
}

// A big-endian 16-bit number from the JPEG marker stream; false at the end of the data.
bool readMarkerWord(QIODevice* device, quint16* word)
{
    uchar bytes[2];
    if (device->read(reinterpret_cast<char*>(bytes), 2) != 2)
        return false;
    *word = qFromBigEndian<quint16>(bytes);
    return true;
}

} // namespace

ExifHeader::ExifHeader(const QString& fileName)
{
    QFile file(fileName);
    if (file.open(QIODevice::ReadOnly))
        loadFromJpeg(&file);
}

void ExifHeader::clear()
{
    byteOrder = BigEndian;
    imageIfdValues.clear();
    exifIfdValues.clear();
    gpsIfdValues.clear();
    thumbnailData.clear();
    thumbnailXResolution = thumbnailYResolution = QExifValue();
    thumbnailResolutionUnit = thumbnailOrientation = QExifValue();
}

bool ExifHeader::loadFromJpeg(QIODevice* device)
{
    clear();
    quint16 word = 0;
    if (!readMarkerWord(device, &word) || word != 0xFFD8)
        return false;
    for (;;) {
        if (!readMarkerWord(device, &word) || (word >> 8) != 0xFF)
            return false;
        // Start of scan or end of image: the metadata segments are behind us.
        if (word == 0xFFDA || word == 0xFFD9)
            return false;
        quint16 length = 0;
        if (!readMarkerWord(device, &length) || length < 2)
            return false;
        if (word == 0xFFE1 && length >= 8) {
            const QByteArray segment = device->read(length - 2);
            if (segment.size() != length - 2)
                return false;
            // Other APP1 segments (XMP) may come first; only the "Exif" one holds the block.
            if (segment.startsWith(QByteArrayLiteral("Exif\0\0")))
                return parse(segment.mid(6));
            continue;
        }
        if (!device->seek(device->pos() + length - 2))
            return false;
    }
}

bool ExifHeader::read(QIODevice* device)
{
    clear();
    return parse(device->read(kMaxTiffBytes));
}

bool ExifHeader::parse(const QByteArray& data)
{
    clear();
    if (data.size() < 8)
        return false;
    if (data.startsWith("II"))
        byteOrder = LittleEndian;
    else if (data.startsWith("MM"))
        byteOrder = BigEndian;
    else
        return false;
    const TiffData tiff(data, byteOrder);
    if (qint16(tiff.u16(2)) != 42)
        return false;

    quint32 ifd1 = 0;
    const QList<IfdEntry> ifd0Entries = readEntries(tiff, tiff.u32(4), &ifd1);
    imageIfdValues = readValues(tiff, ifd0Entries);
    exifIfdValues = readSubIfd(tiff, imageIfdValues, ExifIfdPointer);
    gpsIfdValues = readSubIfd(tiff, imageIfdValues, GpsInfoIfdPointer);
    exifIfdValues.remove(InteroperabilityIfdPointer);

    if (ifd1 != 0) {
        quint32 unusedNext = 0;
        const ValueMap ifd1Values = readValues(tiff, readEntries(tiff, ifd1, &unusedNext));
        const QExifValue start = ifd1Values.value(JpegInterchangeFormat);
        const QExifValue length = ifd1Values.value(JpegInterchangeFormatLength);
        if (isSingleLong(start) && isSingleLong(length)) {
            const quint32 from = start.toLongVector().value(0);
            const quint32 size = length.toLongVector().value(0);
            if (tiff.has(from, size))
                thumbnailData = tiff.bytes(from, size);
            thumbnailXResolution = ifd1Values.value(XResolution);
            thumbnailYResolution = ifd1Values.value(YResolution);
            thumbnailResolutionUnit = ifd1Values.value(ResolutionUnit);
            thumbnailOrientation = ifd1Values.value(Orientation);
        }
    }
    return true;
}

int ExifHeader::thumbnailTurn() const
{
    // Cameras tag the main image and leave the preview, stored the same way, untagged.
    const QExifValue& tag =
        thumbnailOrientation.isNull() ? imageIfdValues.value(Orientation) : thumbnailOrientation;
    if ((tag.type() == QExifValue::Byte || tag.type() == QExifValue::Short) && tag.count() == 1) {
        const int orientation = int(tag.toLong());
        return orientation >= 1 && orientation <= 8 ? orientation : 0;
    }
    return 0;
}

QImage ExifHeader::thumbnail() const
{
    if (thumbnailData.isEmpty())
        return QImage();
    // The preview's own header states its size: a forged one must not make the decoder
    // allocate gigabytes. Real previews are far below this bound.
    QByteArray bytes = thumbnailData;
    QBuffer buffer(&bytes);
    buffer.open(QIODevice::ReadOnly);
    QImageReader reader(&buffer, "JPG");
    const QSize size = reader.size();
    if (!size.isValid() || qint64(size.width()) * size.height() > kMaxThumbnailPixels)
        return QImage();
    QImage image = reader.read();
    if (image.isNull())
        return QImage();
    QTransform transform;
    switch (thumbnailTurn()) {
    case 2:
        transform.rotate(180, Qt::YAxis);
        break;
    case 3:
        transform.rotate(180, Qt::ZAxis);
        break;
    case 4:
        transform.rotate(180, Qt::XAxis);
        break;
    case 5:
        transform.rotate(180, Qt::YAxis);
        transform.rotate(90, Qt::ZAxis);
        break;
    case 6:
        transform.rotate(90, Qt::ZAxis);
        break;
    case 7:
        transform.rotate(180, Qt::XAxis);
        transform.rotate(90, Qt::ZAxis);
        break;
    case 8:
        transform.rotate(270, Qt::ZAxis);
        break;
    default:
        return image;
    }
    return image.transformed(transform, Qt::FastTransformation);
}
