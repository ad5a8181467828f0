#include "ExifBuilder.h"
#include "images/ExifThumbWorker.h"
#include "images/ThumbGenerator.h"
#include "images/ThumbWorker.h"

#include <QFile>
#include <QSignalSpy>
#include <QTemporaryDir>
#include <QTimer>
#include <QtTest>

namespace {

QImage filled(int w, int h, QColor color)
{
    QImage image(w, h, QImage::Format_RGB32);
    image.fill(color);
    return image;
}

// A JPEG photo of `photo` whose EXIF block holds `preview` and the given pixel dimensions.
QByteArray cameraJpeg(const QImage& photo, const QImage& preview, quint32 pixelX, quint32 pixelY,
                      quint16 orientation = 1)
{
    ExifBuilder b(true);
    b.addImage(b.shorts(0x0112, {orientation}));
    if (pixelX) {
        b.addExif(b.longs(0xA002, {pixelX}));
        b.addExif(b.longs(0xA003, {pixelY}));
    }
    if (!preview.isNull())
        b.setThumbnail(ExifBuilder::encode(preview));
    return ExifBuilder::jpeg(b.tiff(), ExifBuilder::encode(photo).mid(2));
}

void write(const QString& path, const QByteArray& bytes)
{
    QFile file(path);
    QVERIFY(file.open(QIODevice::WriteOnly));
    file.write(bytes);
}

bool isColor(const QImage& image, QColor color)
{
    const QColor c = image.pixelColor(image.width() / 2, image.height() / 2);
    return qAbs(c.red() - color.red()) < 40 && qAbs(c.green() - color.green()) < 40 &&
           qAbs(c.blue() - color.blue()) < 40;
}

} // namespace

class TestThumbnails : public QObject
{
    Q_OBJECT

    QTemporaryDir dir;

private slots:
    void letterboxedPreviewsAreCropped_data()
    {
        QTest::addColumn<int>("pixelX");
        QTest::addColumn<int>("pixelY");
        QTest::addColumn<QSize>("box");
        QTest::addColumn<QSize>("expected");
        QTest::newRow("16:9 photo") << 1920 << 1080 << QSize(160, 90) << QSize(160, 90);
        QTest::newRow("3:2 photo") << 3000 << 2000 << QSize(160, 106) << QSize(160, 106);
        QTest::newRow("within 3 %") << 4000 << 2960 << QSize(160, 120) << QSize(160, 120);
        QTest::newRow("portrait photo") << 1080 << 1920 << QSize(67, 120) << QSize(67, 120);
        QTest::newRow("no dimensions") << 0 << 0 << QSize(160, 120) << QSize(160, 120);
    }
    void letterboxedPreviewsAreCropped()
    {
        QFETCH(int, pixelX);
        QFETCH(int, pixelY);
        QFETCH(QSize, box);
        QFETCH(QSize, expected);
        const QString path = dir.filePath(QStringLiteral("crop-%1x%2.jpg").arg(pixelX).arg(pixelY));
        write(path, cameraJpeg(filled(64, 48, Qt::blue), filled(160, 120, Qt::red), quint32(pixelX),
                               quint32(pixelY)));
        ExifThumbWorker worker({path, box.height(), box.width()});
        const QSharedPointer<QImage> thumb = worker.generate({path, box.height(), box.width()});
        QVERIFY(thumb);
        QCOMPARE(thumb->size(), expected);
        QVERIFY(isColor(*thumb, Qt::red));
    }

    // A camera held upright: the main image is tagged "turn right", its preview is not.
    void previewsOfTurnedPhotosStandUpright()
    {
        const QString path = dir.filePath("upright.jpg");
        QImage preview(160, 120, QImage::Format_RGB32);
        preview.fill(Qt::red);
        for (int y = 0; y < 120; ++y)
            for (int x = 0; x < 16; ++x)
                preview.setPixelColor(x, y, Qt::blue); // the stored left edge: the top, upright
        write(path, cameraJpeg(filled(64, 48, Qt::blue), preview, 4000, 3000, 6));
        const QSharedPointer<QImage> thumb =
            ExifThumbWorker({path, 160, 160}).generate({path, 160, 160});
        QVERIFY(thumb);
        // Portrait 3:4 covering the box, not cut as if it were letterboxed.
        QCOMPARE(thumb->width(), 160);
        QVERIFY2(qAbs(thumb->height() - 213) <= 1, qPrintable(QString::number(thumb->height())));
        const QColor top = thumb->pixelColor(80, 4);
        QVERIFY2(top.blue() > 180 && top.red() < 80, qPrintable(top.name()));
    }

    void fullDecodeHappensAtReducedSize()
    {
        const QString path = dir.filePath("big.jpg");
        QVERIFY(filled(4000, 3000, Qt::darkGreen).save(path, "JPG", 70));
        QCOMPARE(ThumbWorker::loadScaledImage(path, 150, 150).size(), QSize(200, 150));
        const QString png = dir.filePath("tall.png");
        QVERIFY(filled(300, 600, Qt::white).save(png));
        QCOMPARE(ThumbWorker::loadScaledImage(png, 150, 150).size(), QSize(150, 300));
        QVERIFY(ThumbWorker::loadScaledImage(dir.filePath("missing.jpg"), 150, 150).isNull());
    }

    void previewsFirstThenFullDecodesAtMostSixWorkers()
    {
        ThumbGenerator* generator = ThumbGenerator::instance();
        QList<ThumbGeneratorTask> tasks;
        for (int i = 0; i < 10; ++i) {
            const QString path = dir.filePath(QStringLiteral("batch-%1.jpg").arg(i));
            write(path,
                  cameraJpeg(filled(1600, 1200, Qt::blue), filled(160, 120, Qt::red), 1600, 1200));
            tasks << ThumbGeneratorTask{path, 150, 150};
        }
        int most = 0;
        QTimer watcher;
        connect(&watcher, &QTimer::timeout, this,
                [&] { most = qMax(most, generator->runningWorkers()); });
        watcher.start(1);
        QMap<QString, QList<bool>> arrivals; // per photo: was each result the preview?
        QList<bool> order;
        connect(generator, &ThumbGenerator::generated, this,
                [&](ThumbGeneratorTask task, QSharedPointer<QImage> img) {
                    most = qMax(most, generator->runningWorkers() + 1);
                    arrivals[task.path] << isColor(*img, Qt::red);
                    order << isColor(*img, Qt::red);
                });
        for (const ThumbGeneratorTask& task : tasks)
            generator->addTask(task);
        QTRY_COMPARE_WITH_TIMEOUT(order.size(), 20, 30000);
        QTRY_COMPARE(generator->runningWorkers(), 0);
        generator->disconnect(this);
        QVERIFY2(most <= ThumbGenerator::kMaxWorkers, qPrintable(QString::number(most)));
        for (const QList<bool>& photo : arrivals)
            QCOMPARE(photo, QList<bool>({true, false}));
        QVERIFY(!order.mid(0, 10).contains(false));
    }

    void pauseHoldsFullDecodes()
    {
        ThumbGenerator* generator = ThumbGenerator::instance();
        QSignalSpy results(generator, &ThumbGenerator::generated);
        generator->pause();
        for (int i = 0; i < 3; ++i) {
            const QString path = dir.filePath(QStringLiteral("paused-%1.jpg").arg(i));
            write(path,
                  cameraJpeg(filled(800, 600, Qt::blue), filled(160, 120, Qt::red), 800, 600));
            generator->addTask({path, 120, 120});
        }
        QTRY_COMPARE(results.count(), 3);
        QTest::qWait(300);
        QCOMPARE(results.count(), 3);
        generator->resume();
        QTRY_COMPARE(results.count(), 6);
        for (int i = 3; i < 6; ++i)
            QVERIFY(isColor(*results.at(i).at(1).value<QSharedPointer<QImage>>(), Qt::blue));
    }

    void photosWithoutPreviewAndBrokenFiles()
    {
        ThumbGenerator* generator = ThumbGenerator::instance();
        QSignalSpy results(generator, &ThumbGenerator::generated);
        const QString plain = dir.filePath("plain.jpg");
        QVERIFY(filled(300, 200, Qt::blue).save(plain));
        const QString broken = dir.filePath("broken.jpg");
        write(broken, "not a picture");
        generator->addTask({plain, 100, 100});
        generator->addTask({broken, 100, 100});
        QTRY_COMPARE(results.count(), 2);
        QTest::qWait(200);
        QCOMPARE(results.count(), 2);
        for (const QList<QVariant>& result : results) {
            const auto task = result.at(0).value<ThumbGeneratorTask>();
            const auto img = result.at(1).value<QSharedPointer<QImage>>();
            QVERIFY(img); // a failed decode still answers, with an empty picture
            QCOMPARE(img->isNull(), task.path == broken);
        }
    }

    void cancelledTasksAreDropped()
    {
        ThumbGenerator* generator = ThumbGenerator::instance();
        QSignalSpy results(generator, &ThumbGenerator::generated);
        generator->pause();
        const QString path = dir.filePath("cancel.jpg");
        QVERIFY(filled(300, 200, Qt::blue).save(path));
        generator->addTask({path, 90, 90});
        generator->cancel({path, 90, 90});
        generator->resume();
        QTest::qWait(300);
        QCOMPARE(results.count(), 0);
    }
};

QTEST_MAIN(TestThumbnails)
#include "tst_thumbnails.moc"
