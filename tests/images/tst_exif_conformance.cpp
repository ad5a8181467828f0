// Real camera files from outside the project (when the shared media folder is there).
#include "images/ExifHeader.h"

#include <QDir>
#include <QtTest>

class TestExifConformance : public QObject
{
    Q_OBJECT

    QDir media;

    QString path(const QString& name) const { return media.filePath(name); }

private slots:
    void initTestCase()
    {
        media = QDir(qEnvironmentVariable("LUMAVIVE_SHARED_MEDIA") + "/exif");
        if (!media.exists() || media.entryList(QDir::Files).isEmpty())
            QSKIP("shared media not available");
    }

    // Every camera's file is read to its end: a loop in its directories would hang here (the
    // test's time limit), a bad offset crash.
    void everyFileParses()
    {
        const QStringList files = media.entryList({"*.jpg", "*.jpeg"}, QDir::Files);
        QVERIFY(files.size() > 40);
        for (const QString& name : files)
            ExifHeader(path(name)).thumbnail();
    }

    void embeddedPreviewsAreFound_data()
    {
        QTest::addColumn<QString>("name");
        for (const char* name : {"Canon_40D.jpg",
                                 "Canon_40D_photoshop_import.jpg",
                                 "Canon_PowerShot_S40.jpg",
                                 "Konica_Minolta_DiMAGE_Z3.jpg",
                                 "Ricoh_Caplio_RR330.jpg",
                                 "Samsung_Digimax_i50_MP3.jpg",
                                 "WWL_(Polaroid)_ION230.jpg",
                                 "corrupted.jpg",
                                 "canon-ixus.jpg",
                                 "fujifilm-finepix40i.jpg",
                                 "nikon-e950.jpg",
                                 "30-type_error.jpg",
                                 "32-lens_data.jpeg",
                                 "45-gps_ifd.jpg",
                                 "42_IndexError.jpg",
                                 "canon_hdr_NO.jpg",
                                 "iphone_hdr_YES.jpg",
                                 "bb-android.jpg",
                                 "short-ascii-II.jpg",
                                 "has-lens-info.jpg",
                                 "2008-06-06-13-29-29-sep-2008-06-06-13-29-29a.jpg",
                                 "2007-05-12-08-19-07-sep-2007-05-12-08-19-07a.jpg",
                                 "2012-12-21-11-15-19-sep-IMG_0001.jpg",
                                 "huge_tag_exif.jpg"})
            QTest::newRow(name) << QString::fromLatin1(name);
    }
    void embeddedPreviewsAreFound()
    {
        QFETCH(QString, name);
        const ExifHeader header(path(name));
        QVERIFY(!header.thumbnailBytes().isEmpty());
        QVERIFY(!header.thumbnail().isNull());
    }

    void filesWithoutPreviewHaveNone_data()
    {
        QTest::addColumn<QString>("name");
        for (const char* name : {"Fujifilm_FinePix_E500.jpg", "Reconyx_HC500_Hyperfire.jpg",
                                 "olympus-d320l.jpg", "landscape_3.jpg", "jolla.jpg",
                                 "image01137.jpg", "87_OSError.jpg", "infinite_loop_exif.jpg"})
            QTest::newRow(name) << QString::fromLatin1(name);
    }
    void filesWithoutPreviewHaveNone()
    {
        QFETCH(QString, name);
        QVERIFY(ExifHeader(path(name)).thumbnail().isNull());
    }

    void orientationTagsAreRead()
    {
        for (int n = 1; n <= 8; ++n) {
            for (const char* kind : {"landscape", "portrait"}) {
                const QString name = QStringLiteral("%1_%2.jpg").arg(kind).arg(n);
                const ExifHeader header(path(name));
                QCOMPARE(header.imageValues().value(ExifHeader::Orientation).toLong(), n);
            }
        }
        QCOMPARE(ExifHeader(path("Landscape_0.jpg")).imageValues().value(0x0112).toLong(), 0);
        QVERIFY(ExifHeader(path("Ricoh_Caplio_RR330.jpg")).imageValues().value(0x0112).isNull());
        QCOMPARE(ExifHeader(path("canon_hdr_NO.jpg")).imageValues().value(0x0112).toLong(), 6);
    }

    void exifDimensionsAreReadNotTrusted()
    {
        const ExifHeader header(path("Canon_PowerShot_S40.jpg"));
        QCOMPARE(header.value(ExifHeader::PixelXDimension).toLong(), 2272);
        QCOMPARE(header.value(ExifHeader::PixelYDimension).toLong(), 1704);
        // A pointer of the wrong type is not followed.
        QVERIFY(ExifHeader(path("30-type_error.jpg")).exifValues().isEmpty());
    }
};

QTEST_MAIN(TestExifConformance)
#include "tst_exif_conformance.moc"
