#include "media/WebpOrientation.h"

#include <QFile>
#include <QTransform>
#include <QtEndian>

namespace {

constexpr quint32 kMaxExifChunk = 1 << 20;

} // namespace

int WebpOrientation::of(const QString& path)
{
    QFile file(path);
    return file.open(QIODevice::ReadOnly) ? of(&file) : 1;
}

int WebpOrientation::of(QIODevice* file)
{
    const QByteArray head = file->read(12);
    if (head.size() < 12 || !head.startsWith("RIFF") || head.mid(8, 4) != "WEBP")
        return 1;
    // Chunks: a four-letter name, a little-endian size, the payload padded to an even length.
    for (int chunks = 0; chunks < 64; ++chunks) {
        const QByteArray header = file->read(8);
        if (header.size() < 8)
            break;
        const quint32 size = qFromLittleEndian<quint32>(header.constData() + 4);
        if (header.startsWith("EXIF"))
            return size <= kMaxExifChunk ? ofTiff(file->read(size)) : 1;
        if (!file->seek(file->pos() + qint64(size) + (size & 1)))
            break;
    }
    return 1;
}

int WebpOrientation::ofTiff(QByteArray tiff)
{
    if (tiff.startsWith(QByteArray("Exif\0\0", 6)))
        tiff.remove(0, 6);
    const bool little = tiff.startsWith("II");
    if (!little && !tiff.startsWith("MM"))
        return 1;
    const auto read = [&](qint64 at, int bytes) -> qint64 {
        if (at < 0 || at + bytes > tiff.size())
            return -1;
        const char* p = tiff.constData() + at;
        if (bytes == 2)
            return little ? qFromLittleEndian<quint16>(p) : qFromBigEndian<quint16>(p);
        return little ? qFromLittleEndian<quint32>(p) : qFromBigEndian<quint32>(p);
    };
    const qint64 ifd = read(4, 4);
    const qint64 count = read(ifd, 2);
    for (qint64 i = 0; i < count; ++i) {
        const qint64 entry = ifd + 2 + 12 * i;
        const qint64 tag = read(entry, 2);
        if (tag < 0)
            break;
        if (tag == 0x0112) {
            const qint64 value = read(entry + 8, 2);
            return value >= 1 && value <= 8 ? int(value) : 1;
        }
    }
    return 1;
}

QImage WebpOrientation::upright(const QImage& stored, int orientation)
{
    const QTransform clockwise = QTransform().rotate(90);
    switch (orientation) {
    case 2:
        return stored.mirrored(true, false);
    case 3:
        return stored.mirrored(true, true);
    case 4:
        return stored.mirrored(false, true);
    case 5: // the transpose: a quarter turn clockwise, then mirrored
        return stored.transformed(clockwise).mirrored(true, false);
    case 6:
        return stored.transformed(clockwise);
    case 7: // mirrored, then a quarter turn clockwise
        return stored.mirrored(true, false).transformed(clockwise);
    case 8:
        return stored.transformed(QTransform().rotate(270));
    default:
        return stored;
    }
}
