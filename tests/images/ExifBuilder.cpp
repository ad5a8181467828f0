#include "ExifBuilder.h"

#include <QBuffer>
#include <QImage>
#include <QPainter>
#include <QtEndian>

QByteArray ExifBuilder::u16(quint16 value) const
{
    uchar b[2];
    if (bigEndian)
        qToBigEndian(value, b);
    else
        qToLittleEndian(value, b);
    return QByteArray(reinterpret_cast<char*>(b), 2);
}

QByteArray ExifBuilder::u32(quint32 value) const
{
    uchar b[4];
    if (bigEndian)
        qToBigEndian(value, b);
    else
        qToLittleEndian(value, b);
    return QByteArray(reinterpret_cast<char*>(b), 4);
}

ExifBuilder::Entry ExifBuilder::shorts(quint16 tag, const QList<quint16>& values) const
{
    QByteArray data;
    for (quint16 v : values)
        data += u16(v);
    return {tag, 3, quint32(values.size()), data};
}

ExifBuilder::Entry ExifBuilder::longs(quint16 tag, const QList<quint32>& values) const
{
    QByteArray data;
    for (quint32 v : values)
        data += u32(v);
    return {tag, 4, quint32(values.size()), data};
}

ExifBuilder::Entry ExifBuilder::ascii(quint16 tag, const QByteArray& textWithZero) const
{
    return {tag, 2, quint32(textWithZero.size()), textWithZero};
}

quint32 ExifBuilder::blockSize(const QList<Entry>& entries)
{
    quint32 size = 2 + 12 * quint32(entries.size()) + 4;
    for (const Entry& e : entries)
        if (!e.rawField && e.data.size() > 4)
            size += quint32(e.data.size() + (e.data.size() & 1));
    return size;
}

QByteArray ExifBuilder::ifdBlock(const QList<Entry>& entries, quint32 start, quint32 next) const
{
    QByteArray head = u16(quint16(entries.size()));
    QByteArray tail;
    quint32 dataAt = start + 2 + 12 * quint32(entries.size()) + 4;
    for (const Entry& e : entries) {
        head += u16(e.tag) + u16(e.type) + u32(e.count);
        if (e.rawField || e.data.size() <= 4) {
            head += (e.data + QByteArray(4, '\0')).left(4);
        } else {
            head += u32(dataAt + quint32(tail.size()));
            tail += e.data;
            if (e.data.size() & 1)
                tail += '\0';
        }
    }
    return head + u32(next) + tail;
}

QByteArray ExifBuilder::tiff() const
{
    QList<Entry> image = ifd0;
    QList<Entry> thumbTags = ifd1;
    const bool hasExif = !exif.isEmpty();
    const bool hasIfd1 = !ifd1.isEmpty() || !thumbnail.isEmpty();
    if (hasExif)
        image.append({0x8769, 4, 1, u32(0)}); // patched below once offsets are known
    if (!thumbnail.isEmpty()) {
        thumbTags.append({0x0201, 4, 1, u32(0)});
        thumbTags.append({0x0202, 4, 1, u32(quint32(thumbnail.size()))});
    }
    const quint32 ifd0At = 8;
    const quint32 exifAt = ifd0At + blockSize(image);
    const quint32 ifd1At = exifAt + (hasExif ? blockSize(exif) : 0);
    const quint32 thumbAt = ifd1At + (hasIfd1 ? blockSize(thumbTags) : 0);
    if (hasExif)
        image.last().data = u32(exifAt);
    if (!thumbnail.isEmpty())
        thumbTags[thumbTags.size() - 2].data = u32(thumbAt);

    QByteArray out = QByteArray(bigEndian ? "MM" : "II") + u16(42) + u32(ifd0At);
    out += ifdBlock(image, ifd0At, hasIfd1 ? ifd1At : 0);
    if (hasExif)
        out += ifdBlock(exif, exifAt, 0);
    if (hasIfd1)
        out += ifdBlock(thumbTags, ifd1At, 0);
    out += thumbnail;
    return out;
}

QByteArray ExifBuilder::jpeg(const QByteArray& tiff, const QByteArray& body, bool app0First,
                             bool xmpFirst)
{
    auto segment = [](quint8 marker, const QByteArray& payload) {
        const quint16 length = quint16(payload.size() + 2);
        QByteArray s;
        s += char(0xFF);
        s += char(marker);
        s += char(length >> 8);
        s += char(length & 0xFF);
        return s + payload;
    };
    QByteArray out("\xFF\xD8", 2);
    if (app0First)
        out += segment(0xE0, QByteArray("JFIF\0\x01\x01\0\0\x01\0\x01\0\0", 14));
    if (xmpFirst)
        out += segment(0xE1, QByteArray("http://ns.adobe.com/xap/1.0/\0<x/>", 34));
    out += segment(0xE1, QByteArray("Exif\0\0", 6) + tiff);
    return out + body;
}

QByteArray ExifBuilder::encode(const QImage& image, int quality)
{
    QByteArray bytes;
    QBuffer buffer(&bytes);
    buffer.open(QIODevice::WriteOnly);
    image.save(&buffer, "JPG", quality);
    return bytes;
}

QByteArray ExifBuilder::cameraPhoto()
{
    QImage photo(4000, 3000, QImage::Format_RGB32);
    QPainter painter(&photo);
    QLinearGradient gradient(0, 0, 4000, 3000);
    gradient.setColorAt(0, QColor(30, 90, 160));
    gradient.setColorAt(1, QColor(240, 190, 90));
    painter.fillRect(photo.rect(), gradient);
    for (int i = 0; i < 400; ++i)
        painter.fillRect((i * 97) % 3900, (i * 61) % 2900, 60 + i % 40, 40 + i % 30,
                         QColor::fromHsv(i % 360, 160, 200));
    painter.end();
    ExifBuilder exif(false);
    exif.addImage(exif.shorts(0x0112, {1}));
    exif.addExif(exif.longs(0xA002, {4000}));
    exif.addExif(exif.longs(0xA003, {3000}));
    exif.setThumbnail(encode(photo.scaled(160, 120), 80));
    return jpeg(exif.tiff(), encode(photo, 90).mid(2));
}
