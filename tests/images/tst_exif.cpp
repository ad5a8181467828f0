#include "ExifBuilder.h"
#include "images/ExifHeader.h"

#include <QBuffer>
#include <QDir>
#include <QFile>
#include <QImage>
#include <QtTest>

namespace {

QImage halves(int w, int h, QColor left, QColor right)
{
    QImage image(w, h, QImage::Format_RGB32);
    for (int y = 0; y < h; ++y)
        for (int x = 0; x < w; ++x)
            image.setPixelColor(x, y, x < w / 2 ? left : right);
    return image;
}

bool near(QColor a, QColor b)
{
    return qAbs(a.red() - b.red()) < 40 && qAbs(a.green() - b.green()) < 40 &&
           qAbs(a.blue() - b.blue()) < 40;
}

// A block exercising every type with inline and out-of-line values.
ExifBuilder sample(bool bigEndian, const QByteArray& thumbnailJpeg = {}, int orientation = 0)
{
    ExifBuilder b(bigEndian);
    b.addImage(b.shorts(0x0112, {6}));
    b.addImage(b.ascii(0x010F, QByteArray("Canon", 6)));
    b.addImage(b.ascii(0x0110, QByteArray("AB", 3)));
    b.addImage({0x011A, 5, 1, b.u32(72) + b.u32(1)});
    b.addImage({0x0200, 1, 6, QByteArray("\x01\x02\x03\x04\x05\x06", 6)});
    b.addImage({0x0201, 1, 2, QByteArray("\x07\x08", 2)});
    b.addImage(b.shorts(0x0211, {3, 4}));
    b.addImage(b.longs(0x0212, {10, 20, 30}));
    b.addExif({0x9000, 7, 4, QByteArray("0230")});
    b.addExif({0x9204, 10, 1, b.u32(quint32(-1)) + b.u32(3)});
    b.addExif({0x9205, 9, 1, b.u32(quint32(-5))});
    b.addExif(b.longs(ExifHeader::PixelXDimension, {4000}));
    b.addExif(b.shorts(ExifHeader::PixelYDimension, {3000}));
    b.addExif(b.longs(ExifHeader::InteroperabilityIfdPointer, {0}));
    if (!thumbnailJpeg.isEmpty()) {
        b.setThumbnail(thumbnailJpeg);
        if (orientation)
            b.addThumbnailTag(b.shorts(0x0112, {quint16(orientation)}));
    }
    return b;
}

ExifHeader parseTiff(const QByteArray& tiff, bool* ok = nullptr)
{
    QBuffer buffer;
    buffer.setData(tiff);
    buffer.open(QIODevice::ReadOnly);
    ExifHeader header;
    const bool result = header.read(&buffer);
    if (ok)
        *ok = result;
    return header;
}

ExifHeader parseJpeg(const QByteArray& jpeg, bool* ok = nullptr)
{
    QBuffer buffer;
    buffer.setData(jpeg);
    buffer.open(QIODevice::ReadOnly);
    ExifHeader header;
    const bool result = header.loadFromJpeg(&buffer);
    if (ok)
        *ok = result;
    return header;
}

void compareMaps(const ExifHeader::ValueMap& a, const ExifHeader::ValueMap& b)
{
    QCOMPARE(a.keys(), b.keys());
    for (quint16 tag : a.keys()) {
        QCOMPARE(a[tag].type(), b[tag].type());
        QCOMPARE(a[tag].count(), b[tag].count());
        QCOMPARE(a[tag].toLong(), b[tag].toLong());
        QCOMPARE(a[tag].toString(), b[tag].toString());
        QCOMPARE(a[tag].toByteVector(), b[tag].toByteVector());
        QCOMPARE(a[tag].toShortVector(), b[tag].toShortVector());
        QCOMPARE(a[tag].toLongVector(), b[tag].toLongVector());
        QCOMPARE(a[tag].toRationalVector(), b[tag].toRationalVector());
        QCOMPARE(a[tag].toSignedRationalVector(), b[tag].toSignedRationalVector());
        QCOMPARE(a[tag].toSignedLongVector(), b[tag].toSignedLongVector());
        QCOMPARE(a[tag].toByteArray(), b[tag].toByteArray());
    }
}

} // namespace

class TestExif : public QObject
{
    Q_OBJECT

private slots:
    void bothByteOrdersGiveTheSameValues()
    {
        bool okIntel = false;
        bool okMotorola = false;
        const ExifHeader intel = parseTiff(sample(false).tiff(), &okIntel);
        const ExifHeader motorola = parseTiff(sample(true).tiff(), &okMotorola);
        QVERIFY(okIntel && okMotorola);
        QCOMPARE(intel.order(), ExifHeader::LittleEndian);
        QCOMPARE(motorola.order(), ExifHeader::BigEndian);
        compareMaps(intel.imageValues(), motorola.imageValues());
        compareMaps(intel.exifValues(), motorola.exifValues());

        const ExifHeader::ValueMap& image = motorola.imageValues();
        QCOMPARE(image[0x0112].type(), quint16(QExifValue::Short));
        QCOMPARE(image[0x0112].toLong(), 6);                         // inline Short, count 1
        QCOMPARE(image[0x010F].toString(), QStringLiteral("Canon")); // Ascii 6 at an offset
        QCOMPARE(image[0x0110].toString(), QStringLiteral("AB"));    // Ascii 3 inline
        QCOMPARE(image[0x011A].toRationalVector(), QVector<QExifValue::URational>({{72, 1}}));
        QCOMPARE(image[0x0200].toByteVector(), QVector<quint8>({1, 2, 3, 4, 5, 6}));
        QCOMPARE(image[0x0201].toByteVector(), QVector<quint8>({7, 8}));
        QCOMPARE(image[0x0211].toShortVector(), QVector<quint16>({3, 4}));
        QCOMPARE(image[0x0212].toLongVector(), QVector<quint32>({10, 20, 30}));
        QCOMPARE(image[0x0212].toLong(), 0); // count above 1

        QCOMPARE(motorola.value(0x9000).toByteArray(), QByteArray("0230"));
        QCOMPARE(motorola.value(0x9204).toSignedRationalVector(),
                 QVector<QExifValue::SRational>({{-1, 3}}));
        QCOMPARE(motorola.value(0x9205).toLong(), -5);
        QCOMPARE(motorola.value(ExifHeader::PixelXDimension).toLong(), 4000);
        QCOMPARE(motorola.value(ExifHeader::PixelYDimension).toLong(), 3000);
        QVERIFY(!motorola.exifValues().contains(ExifHeader::InteroperabilityIfdPointer));
        QVERIFY(motorola.value(0x1234).isNull());
        QCOMPARE(motorola.value(0x1234).toLong(), 0);
    }

    void otherSegmentsBeforeTheExifBlockAreSkipped_data()
    {
        QTest::addColumn<bool>("app0");
        QTest::addColumn<bool>("xmp");
        QTest::newRow("APP0 first") << true << false;
        QTest::newRow("XMP APP1 first") << false << true;
        QTest::newRow("both") << true << true;
    }
    void otherSegmentsBeforeTheExifBlockAreSkipped()
    {
        QFETCH(bool, app0);
        QFETCH(bool, xmp);
        const QByteArray body = ExifBuilder::encode(QImage(8, 8, QImage::Format_RGB32)).mid(2);
        bool ok = false;
        const ExifHeader header =
            parseJpeg(ExifBuilder::jpeg(sample(false).tiff(), body, app0, xmp), &ok);
        QVERIFY(ok);
        QCOMPARE(header.value(ExifHeader::PixelXDimension).toLong(), 4000);
    }

    // The preview is red on its left half and blue on its right; 0 means it has no orientation
    // of its own and turns with the main image (6 here).
    void thumbnailIsTurnedUpright_data()
    {
        QTest::addColumn<int>("orientation");
        QTest::addColumn<QSize>("size");
        QTest::addColumn<QPoint>("at");
        QTest::addColumn<QColor>("colour");
        QTest::newRow("the main image's")
            << 0 << QSize(120, 160) << QPoint(60, 10) << QColor(Qt::red);
        QTest::newRow("6: left edge to the top")
            << 6 << QSize(120, 160) << QPoint(60, 10) << QColor(Qt::red);
        QTest::newRow("2: mirrored left-right")
            << 2 << QSize(160, 120) << QPoint(10, 60) << QColor(Qt::blue);
        QTest::newRow("3: turned half round")
            << 3 << QSize(160, 120) << QPoint(10, 60) << QColor(Qt::blue);
        QTest::newRow("8: left edge to the bottom")
            << 8 << QSize(120, 160) << QPoint(60, 150) << QColor(Qt::red);
    }

    void thumbnailIsTurnedUpright()
    {
        QFETCH(int, orientation);
        QFETCH(QSize, size);
        QFETCH(QPoint, at);
        QFETCH(QColor, colour);
        const QByteArray preview = ExifBuilder::encode(halves(160, 120, Qt::red, Qt::blue), 95);
        const QByteArray body = ExifBuilder::encode(QImage(8, 8, QImage::Format_RGB32)).mid(2);
        const QImage shown =
            parseJpeg(
                ExifBuilder::jpeg(sample(orientation % 2 == 0, preview, orientation).tiff(), body))
                .thumbnail();
        QCOMPARE(shown.size(), size);
        QVERIFY(near(shown.pixelColor(at), colour));
    }

    void invalidTypeWarnsAndIsAbsent()
    {
        ExifBuilder b(false);
        b.addImage({0x0112, 13, 1, b.u32(1)});
        b.addImage(b.shorts(0x0100, {640}));
        QTest::ignoreMessage(QtWarningMsg, "Invalid Ifd Type 13");
        const ExifHeader header = parseTiff(b.tiff());
        QVERIFY(header.imageValues().value(0x0112).isNull());
        QCOMPARE(header.imageValues().value(0x0100).toLong(), 640);
    }

    void hostileBlocksEndCleanly_data()
    {
        QTest::addColumn<QByteArray>("tiff");
        ExifBuilder huge(false);
        huge.addImage({0x0111, 4, 0xFFFFFFFFu, huge.u32(8), true});
        huge.addImage({0x0112, 2, 0xFFFFFFFFu, huge.u32(0), true});
        huge.addImage({0x0113, 5, 0x20000000u, huge.u32(8), true});
        QTest::newRow("count 2^32-1") << huge.tiff();

        ExifBuilder beyond(true);
        beyond.addImage({0x010F, 2, 20, beyond.u32(0x7FFFFFF0), true});
        beyond.addExif(beyond.shorts(0xA002, {1}));
        QTest::newRow("offset past the end") << beyond.tiff();

        ExifBuilder alias(false);
        alias.addImage({0x8825, 4, 1, alias.u32(8), true}); // GPS IFD aliases IFD0
        alias.addImage({0x8769, 4, 1, alias.u32(8), true}); // so does the EXIF IFD
        QTest::newRow("aliased sub-IFDs") << alias.tiff();

        ExifBuilder typo(false);
        typo.addImage({0x8769, 2, 4, typo.u32(8), true}); // pointer of the wrong type
        QTest::newRow("pointer as Ascii") << typo.tiff();

        QByteArray loop = sample(false).tiff();
        loop.replace(8 + 2 + 12 * 9, 4, QByteArray("\x08\0\0\0", 4)); // IFD1 = IFD0
        QTest::newRow("IFD1 points back to IFD0") << loop;

        QByteArray manyEntries = QByteArray("II*\0\x08\0\0\0\xFF\xFF", 10) + QByteArray(30, 'x');
        QTest::newRow("entry count beyond the data") << manyEntries;

        QByteArray thumbBeyond = sample(true, QByteArray(300, 'j')).tiff();
        QTest::newRow("thumbnail cut off") << thumbBeyond.left(thumbBeyond.size() - 100);

        QTest::newRow("header only") << QByteArray("MM\0*", 4);
        QTest::newRow("bad magic") << QByteArray("II\x2b\0\x08\0\0\0", 8);
        QTest::newRow("empty") << QByteArray();
    }
    void hostileBlocksEndCleanly()
    {
        QFETCH(QByteArray, tiff);
        QElapsedTimer timer;
        timer.start();
        const ExifHeader header = parseTiff(tiff);
        header.thumbnail();
        QVERIFY(timer.elapsed() < 5000);
        for (const QExifValue& value : header.imageValues())
            QVERIFY(value.count() <= quint32(tiff.size()) || value.isNull());
        // A JPEG wrapper around it ends cleanly as well, and so does every truncation.
        const QByteArray jpeg = ExifBuilder::jpeg(tiff, QByteArray("\xFF\xD9", 2));
        for (int cut = 0; cut <= jpeg.size(); cut += qMax(1, jpeg.size() / 40))
            parseJpeg(jpeg.left(cut));
    }

    void forgedPreviewSizesAreRefused()
    {
        QByteArray preview = ExifBuilder::encode(QImage(8, 8, QImage::Format_RGB32));
        const int sof = preview.indexOf("\xFF\xC0");
        QVERIFY(sof > 0);
        preview.replace(sof + 5, 4, QByteArray("\xEA\x60\xEA\x60", 4)); // 60000 x 60000
        const QByteArray body("\xFF\xD9", 2);
        const ExifHeader header = parseJpeg(ExifBuilder::jpeg(sample(false, preview).tiff(), body));
        QVERIFY(!header.thumbnailBytes().isEmpty());
        QVERIFY(header.thumbnail().isNull());
    }
};

QTEST_MAIN(TestExif)
#include "tst_exif.moc"
