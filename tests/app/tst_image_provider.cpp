#include "app/ImageProvider.h"
#include "images/ImageRotation.h"

#include <QRegularExpression>
#include <QtTest>

#include <atomic>
#include <thread>
#include <vector>

namespace {

QImage marked(int w, int h)
{
    QImage image(w, h, QImage::Format_ARGB32);
    image.fill(Qt::white);
    image.setPixel(0, 0, qRgb(255, 0, 0)); // top-left marker
    return image;
}

} // namespace

class TestImageProvider : public QObject
{
    Q_OBJECT

private slots:
    void placeholderIsServed()
    {
        QSize size;
        const QImage stub = ImageProvider::instance()->requestImage("slideStub", &size, {});
        QVERIFY(!stub.isNull());
        QCOMPARE(size, stub.size());
        ImageProvider::instance()->remove("slideStub");
        QVERIFY(!ImageProvider::instance()->requestImage("slideStub", &size, {}).isNull());
    }

    void idsAreBareHexDigits()
    {
        const QRegularExpression hex32("^[0-9a-f]{32}$");
        QSet<QString> ids;
        for (int i = 0; i < 50; ++i) {
            const QString id =
                ImageProvider::instance()->addImage(QSharedPointer<QImage>::create(marked(4, 4)));
            QVERIFY2(hex32.match(id).hasMatch(), qPrintable(id));
            ids.insert(id);
        }
        QCOMPARE(ids.size(), 50);
    }

    void unknownIdsGiveNullImages()
    {
        QSize size(5, 5);
        QVERIFY(ImageProvider::instance()->requestImage("nope", &size, {}).isNull());
        QCOMPARE(size, QSize(0, 0));
        QCOMPARE(ImageProvider::instance()->rotate("nope", true), QStringLiteral("nope"));
    }

    void rotatingTwiceTurnsHalfway()
    {
        ImageProvider* provider = ImageProvider::instance();
        auto shared = QSharedPointer<QImage>::create(marked(300, 200));
        const QString first = provider->addImage(shared);
        const QString second = provider->rotate(first, true);
        const QString third = provider->rotate(second, true);
        QVERIFY(first != second && second != third && first != third);
        QSize size;
        QVERIFY(provider->requestImage(first, &size, {}).isNull());
        QVERIFY(provider->requestImage(second, &size, {}).isNull());
        const QImage turned = provider->requestImage(third, &size, {});
        QCOMPARE(turned.size(), QSize(300, 200));
        QCOMPARE(turned.pixel(299, 199), qRgb(255, 0, 0));
        // Whoever else holds the picture keeps it as it was: another row showing the same photo
        // does not turn with this one.
        QCOMPARE(shared->size(), QSize(300, 200));
        QCOMPARE(shared->pixel(0, 0), qRgb(255, 0, 0));
        const QString sibling = provider->addImage(shared);
        QCOMPARE(provider->requestImage(sibling, &size, {}).pixel(0, 0), qRgb(255, 0, 0));
        const QString back = provider->rotate(third, false);
        QCOMPARE(provider->requestImage(back, &size, {}).size(), QSize(200, 300));
        QCOMPARE(provider->requestImage(back, &size, {}).pixel(199, 0), qRgb(255, 0, 0));
    }

    void quarterTurnsMovePixelsExactly_data()
    {
        QTest::addColumn<int>("angle");
        QTest::addColumn<QSize>("size");
        QTest::addColumn<QPoint>("marker");
        QTest::newRow("90") << 90 << QSize(3, 4) << QPoint(2, 0);
        QTest::newRow("180") << 180 << QSize(4, 3) << QPoint(3, 2);
        QTest::newRow("270") << 270 << QSize(3, 4) << QPoint(0, 3);
        QTest::newRow("-90") << -90 << QSize(3, 4) << QPoint(0, 3);
        QTest::newRow("360") << 360 << QSize(4, 3) << QPoint(0, 0);
    }
    void quarterTurnsMovePixelsExactly()
    {
        QFETCH(int, angle);
        QFETCH(QSize, size);
        QFETCH(QPoint, marker);
        const QImage turned = rotateImage(angle, marked(4, 3));
        QCOMPARE(turned.size(), size);
        QCOMPARE(turned.pixel(marker), qRgb(255, 0, 0));
        QVERIFY(rotateImage(45, marked(4, 3)).isNull());
    }

    void concurrentUseIsSafe()
    {
        ImageProvider* provider = ImageProvider::instance();
        std::atomic<bool> stop{false};
        std::vector<QString> ids;
        for (int i = 0; i < 20; ++i)
            ids.push_back(provider->addImage(QSharedPointer<QImage>::create(marked(16, 16))));
        std::vector<std::thread> readers;
        for (int t = 0; t < 3; ++t)
            readers.emplace_back([&, t] {
                QSize size;
                for (int i = 0; !stop; ++i)
                    provider->requestImage(ids[size_t((i + t) % 20)], &size, {});
            });
        for (int round = 0; round < 300; ++round) {
            const QString id = provider->addImage(QSharedPointer<QImage>::create(marked(8, 8)));
            provider->remove(provider->rotate(id, round % 2));
        }
        stop = true;
        for (std::thread& reader : readers)
            reader.join();
    }
};

QTEST_MAIN(TestImageProvider)
#include "tst_image_provider.moc"
