#pragma once

#include <QByteArray>
#include <QList>

// Builds EXIF/TIFF blocks byte by byte, in either byte order, for the reader's tests and its fuzz
// corpus. Out-of-line values and sub-IFD pointers are laid out automatically.
class ExifBuilder
{
public:
    struct Entry
    {
        quint16 tag;
        quint16 type;
        quint32 count;
        QByteArray data;       // the value bytes in the block's byte order; <= 4 bytes stay inline
        bool rawField = false; // data is the 4-byte field itself (hostile offsets and counts)
    };

    explicit ExifBuilder(bool bigEndian) : bigEndian(bigEndian) {}

    QByteArray u16(quint16 value) const;
    QByteArray u32(quint32 value) const;

    void addImage(const Entry& entry) { ifd0.append(entry); }
    void addExif(const Entry& entry) { exif.append(entry); }
    void addThumbnailTag(const Entry& entry) { ifd1.append(entry); }
    void setThumbnail(const QByteArray& jpeg) { thumbnail = jpeg; }

    // Convenience entries.
    Entry shorts(quint16 tag, const QList<quint16>& values) const;
    Entry longs(quint16 tag, const QList<quint32>& values) const;
    Entry ascii(quint16 tag, const QByteArray& textWithZero) const;

    QByteArray tiff() const;

    // A JPEG file: SOI, optional JFIF APP0, optional XMP APP1, the Exif APP1, then `body`
    // (another JPEG's bytes after its own SOI).
    static QByteArray jpeg(const QByteArray& tiff, const QByteArray& body, bool app0First = false,
                           bool xmpFirst = false);
    // Encodes an image as JPEG bytes.
    static QByteArray encode(const class QImage& image, int quality = 90);
    // A 4000x3000 photo that compresses like a camera's (gradients and detail), upright, with a
    // 160x120 EXIF preview: what the benchmarks feed the thumbnails.
    static QByteArray cameraPhoto();

private:
    QByteArray ifdBlock(const QList<Entry>& entries, quint32 start, quint32 next) const;
    static quint32 blockSize(const QList<Entry>& entries);

    bool bigEndian;
    QList<Entry> ifd0;
    QList<Entry> exif;
    QList<Entry> ifd1;
    QByteArray thumbnail;
};
