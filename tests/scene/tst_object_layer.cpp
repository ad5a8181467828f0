#include "PixelCheck.h"
#include "TestDirs.h"
#include "project/ImgSlide.h"
#include "scene/ObjectLayer.h"
#include "scene/Shadow.h"

#include <QPainter>
#include <QtTest>

namespace {

// A slot at the given pixel rectangle of a w x h frame, visible on frame 0.
QSharedPointer<ImgObject> slotAt(QRectF pixels, int w, int h, float aspect, float opacity = 1.0f)
{
    auto object = QSharedPointer<ImgObject>::create();
    object->aspect = aspect;
    Keyframe k;
    k.topLeft = QPointF(pixels.left() / w, pixels.top() / h);
    k.topRight = QPointF(pixels.right() / w, pixels.top() / h);
    k.bottomRight = QPointF(pixels.right() / w, pixels.bottom() / h);
    k.bottomLeft = QPointF(pixels.left() / w, pixels.bottom() / h);
    k.opacity = opacity;
    object->keyframes.insert(0, k);
    return object;
}

QImage blackFrame(int w = 1280, int h = 720)
{
    QImage frame(w, h, QImage::Format_RGB32);
    frame.fill(Qt::black);
    return frame;
}

bool isRed(const QImage& image, int x, int y)
{
    const QColor c = image.pixelColor(x, y);
    return c.red() > 200 && c.green() < 50 && c.blue() < 50;
}

bool isBlack(const QImage& image, int x, int y)
{
    const QColor c = image.pixelColor(x, y);
    return c.red() < 40 && c.green() < 40 && c.blue() < 40;
}

// Eight vertical stripes of 200 pixels, each of its own colour, 1600 x 800.
QString stripes(const TestDirs& dirs)
{
    QImage photo(1600, 800, QImage::Format_RGB32);
    QPainter painter(&photo);
    for (int i = 0; i < 8; ++i)
        painter.fillRect(i * 200, 0, 200, 800, QColor::fromHsv(i * 45, 255, 255));
    painter.end();
    const QString path = dirs.file("stripes.png");
    photo.save(path);
    return path;
}

// Which stripe a pixel of the frame shows; -1 for none.
int stripeAt(const QImage& frame, int x, int y)
{
    const QColor c = frame.pixelColor(x, y);
    for (int i = 0; i < 8; ++i) {
        const QColor s = QColor::fromHsv(i * 45, 255, 255);
        if (qAbs(c.red() - s.red()) + qAbs(c.green() - s.green()) + qAbs(c.blue() - s.blue()) < 24)
            return i;
    }
    return -1;
}

} // namespace

class TestObjectLayer : public QObject
{
    Q_OBJECT

    TestDirs dirs;

    QSharedPointer<ImgSlide> photo(const QString& name, int w, int h, QColor color = Qt::red,
                                   int rotation = 0)
    {
        return QSharedPointer<ImgSlide>::create(dirs.picture(name, color, QSize(w, h)), rotation);
    }

private slots:

    void aSlotHoldingStillIsDrawnOnceAndLaidOver_data()
    {
        QTest::addColumn<QPolygonF>("corners");
        QTest::addColumn<float>("opacity");
        QTest::addColumn<float>("fade"); // less opacity on each frame
        const QPolygonF tilted({{0.2, 0.15}, {0.8, 0.1}, {0.78, 0.9}, {0.22, 0.8}});
        QTest::newRow("tilted") << tilted << 1.0f << 0.0f;
        QTest::newRow("tilted, faded") << tilted << 0.6f << 0.0f;
        QTest::newRow("tilted, fading while still") << tilted << 1.0f << 0.2f;
        QTest::newRow("rotated") << QPolygonF({{0.3, 0.1}, {0.85, 0.2}, {0.75, 0.9}, {0.2, 0.8}})
                                 << 1.0f << 0.0f;
        QTest::newRow("partly off the frame")
            << QPolygonF({{-0.2, -0.1}, {0.5, -0.1}, {0.5, 0.6}, {-0.2, 0.6}}) << 0.9f << 0.0f;
    }
    // Frames 0 to 2 hold still, frame 3 moves on: whatever the layer keeps between frames, every
    // frame must look as if it had been drawn on its own.
    void aSlotHoldingStillIsDrawnOnceAndLaidOver()
    {
        QFETCH(QPolygonF, corners);
        QFETCH(float, opacity);
        QFETCH(float, fade);
        auto object = QSharedPointer<ImgObject>::create();
        object->aspect = 1.4f;
        object->borderWidth = 0.03f;
        object->shadow = ShadowSpec{0.3f, 0.3f, 1.0f, QColor(0, 0, 0, 140)};
        for (int f = 0; f < 4; ++f) {
            const QPointF shift(f == 3 ? 0.05 : 0.0, 0.0);
            Keyframe k;
            k.topLeft = corners[0] + shift;
            k.topRight = corners[1] + shift;
            k.bottomRight = corners[2] + shift;
            k.bottomLeft = corners[3] + shift;
            k.opacity = opacity - fade * float(f);
            object->keyframes.insert(f, k);
        }
        const QString path = dirs.file("gradient.png");
        QImage picture(420, 300, QImage::Format_RGB32);
        for (int y = 0; y < 300; ++y)
            for (int x = 0; x < 420; ++x)
                picture.setPixel(x, y, qRgb(x % 256, y % 256, (x * y) % 256));
        QVERIFY(picture.save(path));
        const auto slide = QSharedPointer<ImgSlide>::create(path);
        ObjectLayer layer(object, slide, 640, 360);
        for (int f = 0; f < 4; ++f) {
            QImage drawn = PixelCheck::patternFrame(f, 640, 360);
            layer.draw(f, &drawn, 1.0);
            QImage alone = PixelCheck::patternFrame(f, 640, 360);
            ObjectLayer(object, slide, 640, 360).draw(f, &alone, 1.0);
            QVERIFY2(PixelCheck::compare(drawn, alone).largest <= 1,
                     qPrintable(QString::number(f)));
            QVERIFY(drawn != PixelCheck::patternFrame(f, 640, 360));
        }
    }
    void widerPhotosAreLetterboxedByVPos_data()
    {
        QTest::addColumn<int>("vPos");
        QTest::addColumn<int>("top");
        QTest::addColumn<int>("bottom");
        QTest::newRow("centre") << 0 << 210 << 510;
        QTest::newRow("top") << 1 << 160 << 460;
        QTest::newRow("bottom") << 2 << 260 << 560;
    }
    void widerPhotosAreLetterboxedByVPos()
    {
        QFETCH(int, vPos);
        QFETCH(int, top);
        QFETCH(int, bottom);
        auto object = slotAt(QRectF(440, 160, 400, 400), 1280, 720, 1.0f);
        object->vPos = vPos;
        ObjectLayer layer(object, photo("four-three.png", 400, 300), 1280, 720);
        QVERIFY(layer.fitsVertically());
        QCOMPARE(layer.insetShare(), 0.125f);
        QImage frame = blackFrame();
        layer.draw(0, &frame, 1.0);
        QVERIFY(isBlack(frame, 640, top - 4));
        QVERIFY(isRed(frame, 640, top + 4));
        QVERIFY(isRed(frame, 640, bottom - 4));
        QVERIFY(isBlack(frame, 640, bottom + 4));
        QVERIFY(isRed(frame, 444, (top + bottom) / 2)); // full width
    }

    void rotationTurnsByQuarters_data()
    {
        QTest::addColumn<int>("rotation");
        QTest::addColumn<QSize>("size");
        QTest::addColumn<QPoint>("marker");
        QTest::newRow("-1 is 270 degrees") << -1 << QSize(20, 40) << QPoint(0, 39);
        QTest::newRow("5 is 90 degrees") << 5 << QSize(20, 40) << QPoint(19, 0);
        QTest::newRow("2 is 180 degrees") << 2 << QSize(40, 20) << QPoint(39, 19);
        QTest::newRow("-4 is none") << -4 << QSize(40, 20) << QPoint(0, 0);
    }
    void rotationTurnsByQuarters()
    {
        QFETCH(int, rotation);
        QFETCH(QSize, size);
        QFETCH(QPoint, marker);
        QImage image(40, 20, QImage::Format_RGB32);
        image.fill(Qt::blue);
        image.setPixelColor(0, 0, Qt::red);
        const QString path = dirs.file("marked.png");
        image.save(path);
        ObjectLayer layer(slotAt(QRectF(0, 0, 100, 100), 1280, 720, 1.0f),
                          QSharedPointer<ImgSlide>::create(path, rotation), 1280, 720);
        QCOMPARE(layer.picture().size(), size);
        QCOMPARE(layer.picture().pixelColor(marker), QColor(Qt::red));
    }

    void bigPhotosAreLimitedToTheirShare()
    {
        auto object = slotAt(QRectF(0, 0, 100, 100), 1920, 1080, 1.0f);
        object->maxWidth = 0.25f; // 480 of 1920
        object->maxHeight = 0.5f; // 540 of 1080
        ObjectLayer layer(object, photo("big.jpg", 4000, 3000), 1920, 1080);
        QCOMPARE(layer.picture().size(), QSize(480, 360));
    }

    void opacityBelowNinetyNinePercentOnly_data()
    {
        QTest::addColumn<float>("opacity");
        QTest::addColumn<int>("red"); // a red photo over black
        QTest::newRow("99.5 %: drawn opaque") << 0.995f << 255;
        // Fade ramps pass through these: every step below 99 % shows.
        QTest::newRow("98.9 %") << 0.989f << 252;
        QTest::newRow("95 %") << 0.95f << 242;
        QTest::newRow("50 %") << 0.5f << 128;
    }

    void opacityBelowNinetyNinePercentOnly()
    {
        QFETCH(float, opacity);
        QFETCH(int, red);
        const QRectF slot(400, 200, 400, 300);
        QImage frame = blackFrame();
        ObjectLayer(slotAt(slot, 1280, 720, 4.0f / 3, opacity), photo("o.png", 400, 300), 1280, 720)
            .draw(0, &frame, 1.0);
        QVERIFY2(qAbs(frame.pixelColor(600, 350).red() - red) <= 1,
                 qPrintable(QString::number(frame.pixelColor(600, 350).red())));
    }

    void unloadablePhotoDrawsNothing()
    {
        ObjectLayer layer(slotAt(QRectF(0, 0, 100, 100), 1280, 720, 1.0f),
                          QSharedPointer<ImgSlide>::create(dirs.file("gone.jpg")), 1280, 720);
        QImage frame = blackFrame();
        layer.draw(0, &frame, 1.0);
        QCOMPARE(frame, blackFrame());
        ObjectLayer none(slotAt(QRectF(0, 0, 100, 100), 1280, 720, 1.0f), nullptr, 1280, 720);
        none.draw(0, &frame, 1.0);
        QCOMPARE(frame, blackFrame());
    }

    void shadowGeometryFollowsTheUnit()
    {
        QImage source(200, 100, QImage::Format_ARGB32_Premultiplied);
        source.fill(Qt::white);
        QPolygonF quad;
        const QImage shadowed =
            makeShadow(source, 0.25f, 0.25f, 2.0f, QColor(0, 0, 0, 255), 60, &quad);
        // Blur radius 120 px and offsets 15 px: 105 px margin before, 135 px after.
        QCOMPARE(shadowed.size(), QSize(200 + 240, 100 + 240));
        QCOMPARE(quad, QPolygonF({{105, 105}, {305, 105}, {305, 205}, {105, 205}}));
        QCOMPARE(shadowed.pixelColor(150, 150), QColor(Qt::white));
        QVERIFY(shadowed.pixelColor(320, 150).alpha() > 0); // shadow right of the picture
        QCOMPARE(shadowed.pixelColor(0, 0).alpha(), 0);     // far corner stays clear

        // Sizes from a hostile description stay bounded: offsets of 1024 px at most (here to the
        // right and up) and a blur radius of 512 px.
        QPolygonF huge;
        const QImage bounded = makeShadow(source, 1e9f, -1e9f, 1e9f, Qt::black, 60, &huge);
        QCOMPARE(bounded.size(), QSize(200 + 1024 + 512, 100 + 1024 + 512));
        QCOMPARE(huge.size(), 4);

        QPolygonF plain;
        const QImage same = makeShadow(source, 1, 1, 0.0f, Qt::black, 60, &plain);
        QCOMPARE(same, source);
        QCOMPARE(plain, QPolygonF({{0, 0}, {200, 0}, {200, 100}, {0, 100}}));
    }

    // A panning photo covers its slot, and the window of it that shows is where the motion puts
    // it at the start, the middle and the end: stripes of 200 photo pixels, 100 frame pixels
    // wide in a 400 x 400 slot (zoom 1), 200 wide at zoom 2.
    void panAndZoomShowTheWindowOfTheirMoment_data()
    {
        QTest::addColumn<QString>("motion"); // zoom from,to [centres]
        QTest::addColumn<double>("progress");
        QTest::addColumn<QString>("shown"); // the stripes at slot x 50, 150, 250, 350
        QTest::newRow("open, start") << "1,1" << 0.0 << "0123";
        QTest::newRow("open, middle") << "1,1" << 0.5 << "2345";
        QTest::newRow("open, end") << "1,1" << 1.0 << "4567";
        QTest::newRow("zoom in, end") << "1,2 0.5,0.5 0.5,0.5" << 1.0 << "3344";
        QTest::newRow("zoom in, start") << "1,2 0.5,0.5 0.5,0.5" << 0.0 << "2345";
        QTest::newRow("centre at the edge") << "2,2 0,0.5 0,0.5" << 0.0 << "0011";
    }
    void panAndZoomShowTheWindowOfTheirMoment()
    {
        QFETCH(QString, motion);
        QFETCH(double, progress);
        const QRectF slot(440, 160, 400, 400);
        auto object = slotAt(slot, 1280, 720, 1.0f);
        const QStringList parts = motion.split(' ');
        const QStringList zoom = parts[0].split(',');
        object->panZoom.enabled = true;
        object->panZoom.zoomFrom = zoom[0].toDouble();
        object->panZoom.zoomTo = zoom[1].toDouble();
        if (parts.size() == 3) {
            object->panZoom.centred = true;
            const QStringList a = parts[1].split(','), b = parts[2].split(',');
            object->panZoom.centreFrom = QPointF(a[0].toDouble(), a[1].toDouble());
            object->panZoom.centreTo = QPointF(b[0].toDouble(), b[1].toDouble());
        }
        ObjectLayer layer(object, QSharedPointer<ImgSlide>::create(stripes(dirs)), 1280, 720);
        layer.setSceneProgress(progress);
        QImage frame = blackFrame();
        layer.draw(0, &frame, 1.0);
        QString shown;
        for (int x : {50, 150, 250, 350})
            shown += QString::number(stripeAt(frame, int(slot.left()) + x, 360));
        QTEST(shown, "shown");
        // Covered: the slot's corners show the photo, the frame around them stays black.
        QVERIFY(stripeAt(frame, int(slot.left()) + 2, int(slot.top()) + 2) >= 0);
        QVERIFY(stripeAt(frame, int(slot.right()) - 2, int(slot.bottom()) - 2) >= 0);
        QVERIFY(isBlack(frame, int(slot.left()) - 3, 360));
    }
};

QTEST_MAIN(TestObjectLayer)
#include "tst_object_layer.moc"
