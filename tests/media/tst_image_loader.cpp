// Photos and still backgrounds are decoded no larger than their use needs, whichever way the
// camera's orientation turns them, and WebP photos stand upright as JPEGs do.
#include "ExifBuilder.h"
#include "TestDirs.h"
#include "media/ImageLoader.h"

#include <QBuffer>
#include <QtTest>

class TestImageLoader : public QObject
{
    Q_OBJECT

    TestDirs dirs;

    // A 4000x3000 JPEG; with `orientation` 6 the camera stood upright (shown as 3000x4000).
    QString photo(const QString& name, int orientation)
    {
        QImage picture(4000, 3000, QImage::Format_RGB32);
        picture.fill(QColor(200, 120, 40));
        ExifBuilder exif(false);
        exif.addImage(exif.shorts(0x0112, {quint16(orientation)}));
        QFile file(dirs.file(name));
        file.open(QIODevice::WriteOnly);
        file.write(ExifBuilder::jpeg(exif.tiff(), ExifBuilder::encode(picture, 80).mid(2)));
        return file.fileName();
    }

private slots:
    void decodesJustLargeEnough_data()
    {
        QTest::addColumn<int>("orientation");
        QTest::addColumn<bool>("cover");
        QTest::addColumn<QSize>("expected");
        // Fit into 1344x756: 0.252 for the picture as it is, 0.189 turned; the larger wins.
        QTest::newRow("fit, landscape") << 1 << false << QSize(1008, 756);
        QTest::newRow("fit, upright camera") << 6 << false << QSize(756, 1008);
        // Cover 1344x756: 0.336 as it is, 0.448 turned (3000 wide to cover 1344).
        QTest::newRow("cover, landscape") << 1 << true << QSize(1792, 1344);
        QTest::newRow("cover, upright camera") << 6 << true << QSize(1344, 1792);
    }

    void decodesJustLargeEnough()
    {
        QFETCH(int, orientation);
        QFETCH(bool, cover);
        QFETCH(QSize, expected);
        const QString path = photo(QStringLiteral("p%1.jpg").arg(orientation), orientation);
        const QImage image = *loadImage(path, QSize(1344, 756), cover);
        // The JPEG decoder may round a pixel either way.
        QVERIFY2(qAbs(image.width() - expected.width()) <= 1 &&
                     qAbs(image.height() - expected.height()) <= 1,
                 qPrintable(QStringLiteral("%1x%2").arg(image.width()).arg(image.height())));
        QCOMPARE(image.pixelColor(image.width() / 2, image.height() / 2).red() / 10, 20);
    }

    // A phone's WebP: its orientation is in the EXIF chunk of an extended ("VP8X") file. The
    // picture is 200x100, blue in its top-left 50x30 corner, red elsewhere.
    void webpPhotosStandUpright_data()
    {
        QTest::addColumn<int>("orientation");
        QTest::addColumn<QSize>("size");
        QTest::addColumn<QPoint>("blue"); // a point inside the blue corner, as shown
        QTest::newRow("1") << 1 << QSize(200, 100) << QPoint(10, 10);
        QTest::newRow("2 mirrored") << 2 << QSize(200, 100) << QPoint(190, 10);
        QTest::newRow("3 half turn") << 3 << QSize(200, 100) << QPoint(190, 90);
        QTest::newRow("4 flipped") << 4 << QSize(200, 100) << QPoint(10, 90);
        QTest::newRow("5 transposed") << 5 << QSize(100, 200) << QPoint(10, 10);
        QTest::newRow("6 quarter turn") << 6 << QSize(100, 200) << QPoint(90, 10);
        QTest::newRow("7 transversed") << 7 << QSize(100, 200) << QPoint(90, 190);
        QTest::newRow("8 three quarters") << 8 << QSize(100, 200) << QPoint(10, 190);
    }

    void webpPhotosStandUpright()
    {
        QFETCH(int, orientation);
        QFETCH(QSize, size);
        QFETCH(QPoint, blue);
        QImage picture(200, 100, QImage::Format_RGB32);
        picture.fill(Qt::red);
        for (int y = 0; y < 30; ++y)
            for (int x = 0; x < 50; ++x)
                picture.setPixel(x, y, qRgb(0, 0, 255));
        QBuffer simple;
        simple.open(QIODevice::WriteOnly);
        QVERIFY(picture.save(&simple, "WEBP", 100));
        const QByteArray image = simple.data().mid(12); // the picture's own chunk
        ExifBuilder exif(false);
        exif.addImage(exif.shorts(0x0112, {quint16(orientation)}));
        const auto chunk = [](const char* name, QByteArray payload) {
            QByteArray bytes(name, 4);
            const quint32 size = quint32(payload.size());
            bytes.append(reinterpret_cast<const char*>(&size), 4); // little-endian here
            if (payload.size() % 2)
                payload.append('\0');
            return bytes + payload;
        };
        QByteArray header(10, '\0');
        header[0] = 0x08; // the file has EXIF
        header[4] = char(199);
        header[7] = char(99);
        const QByteArray body = "WEBP" + chunk("VP8X", header) + image + chunk("EXIF", exif.tiff());
        QFile file(dirs.file(QStringLiteral("phone-%1.webp").arg(orientation)));
        QVERIFY(file.open(QIODevice::WriteOnly));
        const quint32 riffSize = quint32(body.size());
        file.write("RIFF");
        file.write(reinterpret_cast<const char*>(&riffSize), 4);
        file.write(body);
        file.close();
        const QSharedPointer<QImage> shown = loadImage(file.fileName());
        QCOMPARE(shown->size(), size);
        QCOMPARE(QColor(shown->pixel(blue)).blue(), 255);
        QCOMPARE(QColor(shown->pixel(size.width() / 2, size.height() / 2)).red(), 255);
    }
};

QTEST_MAIN(TestImageLoader)
#include "tst_image_loader.moc"
