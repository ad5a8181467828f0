#include "SolidBackground.h"
#include "TestDirs.h"
#include "project/ImgSlide.h"
#include "project/TextSlide.h"
#include "scene/ImgSceneReader.h"
#include "scene/TextLayout.h"
#include "scene/TextSceneReader.h"
#include "templates/ImgScene.h"
#include "templates/TemplateCatalog.h"
#include "templates/TextScene.h"

#include <QtTest>

namespace {

Keyframe fullFrame(float opacity = 1.0f)
{
    Keyframe k;
    k.topLeft = QPointF(0.25, 0.25);
    k.topRight = QPointF(0.75, 0.25);
    k.bottomRight = QPointF(0.75, 0.75);
    k.bottomLeft = QPointF(0.25, 0.75);
    k.opacity = opacity;
    return k;
}

QSharedPointer<ImgObject> imageObject(int firstFrame, int lastFrame)
{
    auto object = QSharedPointer<ImgObject>::create();
    object->aspect = 16.0f / 9.0f;
    for (int f = firstFrame; f <= lastFrame; ++f)
        object->keyframes.insert(f, fullFrame());
    return object;
}

QColor centre(const ISceneReader& reader)
{
    return reader.image()->pixelColor(640, 360);
}

int countGlyphPixels(const QImage& image, QColor* sample = nullptr)
{
    int count = 0;
    for (int y = 0; y < image.height(); y += 2)
        for (int x = 0; x < image.width(); x += 2)
            if (qAlpha(image.pixel(x, y)) == 255) {
                ++count;
                if (sample)
                    *sample = image.pixelColor(x, y);
            }
    return count;
}

} // namespace

class TestSceneReaders : public QObject
{
    Q_OBJECT

    TestDirs dirs;
    QSharedPointer<FramePool> pool = QSharedPointer<FramePool>::create(false);

    QSharedPointer<Slide> photo(QColor color)
    {
        return QSharedPointer<ImgSlide>::create(
            dirs.picture(color.name() + ".png", color, QSize(160, 90)));
    }

private slots:
    void initTestCase() { TemplateCatalog::use(dirs.file("templates/")); }

    void readerWalksTheBackground()
    {
        ImgScene scene;
        scene.objects->insert(0, imageObject(0, 10));
        const QVector<QSharedPointer<Slide>> slides{photo(Qt::red)};
        SlideIterator it(slides);
        ImgSceneReader reader(QSharedPointer<SolidBackground>::create(pool, 3), 1280, 720, &scene,
                              it);
        QCOMPARE(reader.frameNumber(), 0);
        QVERIFY(!reader.image());
        for (int i = 1; i <= 3; ++i) {
            QVERIFY(reader.next(1.0));
            QCOMPARE(reader.frameNumber(), i);
            QCOMPARE(centre(reader), QColor(Qt::red));
            const PoolFrame frame = reader.takeFrame();
            QCOMPARE(frame.index(), int64_t(i - 1));
            // Composed in place: the picture is the pool frame's own buffer.
            QCOMPARE(reader.image()->constBits(), frame.image().constBits());
        }
        QVERIFY(!reader.next(1.0));
        QVERIFY(!reader.takeFrame());
    }

    void higherIdsCoverLowerOnes()
    {
        ImgScene scene;
        scene.objects->insert(2, imageObject(0, 0));
        scene.objects->insert(1, imageObject(0, 0));
        const QVector<QSharedPointer<Slide>> slides{photo(Qt::blue), photo(Qt::green)};
        SlideIterator it(slides);
        ImgSceneReader reader(QSharedPointer<SolidBackground>::create(pool, 1), 1280, 720, &scene,
                              it);
        QVERIFY(reader.next(1.0));
        QCOMPARE(centre(reader), QColor(Qt::green)); // object 2 took the second slide
    }

    void textBoxAndFirstSize()
    {
        const QRect box = textBox(1920, 1080, 0.96f, 0.96f);
        QCOMPARE(box.size(), QSize(1843, 1036));
        QVERIFY(qAbs(box.center().x() - 959) <= 1 && qAbs(box.center().y() - 539) <= 1);

        // The sizes tried run 1036, 1036 x 0.9, ... (each step in double, kept as float).
        float size = 0;
        const QImage empty =
            renderText(1920, 1080, QString(), QFont(), Qt::white, 0.96f, 0.96f, &size);
        float tried = 1036.0f;
        while (tried > size)
            tried = float(double(tried) * 0.9);
        QCOMPARE(tried, size);
        QCOMPARE(empty.size(), QSize(1920, 1080));
        QCOMPARE(countGlyphPixels(empty), 0);
        QVERIFY(empty.pixelColor(960, 540).alpha() == 0);

        float wordSize = 0;
        const QImage word =
            renderText(1920, 1080, "Hi", QFont(), Qt::white, 0.96f, 0.96f, &wordSize);
        QVERIFY(wordSize <= 1036.0f && wordSize > 100.0f);
        QVERIFY(countGlyphPixels(word) > 0);

        float paragraphSize = 0;
        const QString paragraph = QString("Summer by the lake with the whole family ").repeated(12);
        renderText(1920, 1080, paragraph, QFont(), Qt::white, 0.96f, 0.96f, &paragraphSize);
        QVERIFY(paragraphSize < wordSize);
        QVERIFY(paragraphSize >= 3.0f);

        float hopeless = 0;
        renderText(1920, 1080, QString("unbreakable").repeated(2000), QFont(), Qt::white, 0.96f,
                   0.96f, &hopeless);
        QVERIFY(hopeless < 3.0f);

        float zero = 1;
        QVERIFY(renderText(0, 0, "x", QFont(), Qt::white, 0.8f, 0.8f, &zero).isNull());
    }

    void textureIsTiledIntoTheGlyphs()
    {
        QDir().mkpath(dirs.file("templates/7"));
        QImage checker(16, 16, QImage::Format_RGB32);
        for (int y = 0; y < 16; ++y)
            for (int x = 0; x < 16; ++x)
                checker.setPixelColor(x, y,
                                      (x < 8) == (y < 8) ? QColor(Qt::red) : QColor(Qt::yellow));
        QVERIFY(checker.save(dirs.file("templates/7/checker.png")));
        TextObject object;
        object.color = Qt::white;
        object.texture = "checker.png";
        QFont font;
        font.setWeight(QFont::Black);
        object.font = font;
        const QImage picture =
            TextSceneReader::textPicture(object, "MMM", 1280, 720, dirs.file("templates/7/"));
        int checked = 0;
        for (int y = 0; y < picture.height(); y += 3)
            for (int x = 0; x < picture.width(); x += 3) {
                const QRgb p = picture.pixel(x, y);
                if (qAlpha(p) != 255)
                    continue;
                const QColor expected = checker.pixelColor(x % 16, y % 16);
                QCOMPARE(QColor(p), expected);
                ++checked;
            }
        QVERIFY(checked > 100);

        object.texture = "missing.png"; // falls back to the text's own colour
        QColor sample;
        const QImage plain =
            TextSceneReader::textPicture(object, "MMM", 1280, 720, dirs.file("templates/7/"));
        QVERIFY(countGlyphPixels(plain, &sample) > 0);
        QCOMPARE(sample, QColor(Qt::white));
    }

    void textSceneComposesTheText()
    {
        TextScene scene;
        auto object = QSharedPointer<TextObject>::create();
        object->aspect = 16.0f / 9.0f;
        object->color = Qt::white;
        object->keyframes.insert(0, fullFrame());
        scene.objects->insert(0, object);
        scene.objects->insert(1, object); // no slide left for this one
        const QVector<QSharedPointer<Slide>> slides{QSharedPointer<TextSlide>::create("Hello")};
        SlideIterator it(slides);
        TextSceneReader reader(QSharedPointer<SolidBackground>::create(pool, 1), 1280, 720, &scene,
                               it, 7);
        QVERIFY(reader.next(1.0));
        QImage composed = reader.image()->copy();
        int bright = 0;
        for (int y = 180; y < 540; y += 2)
            for (int x = 320; x < 960; x += 2)
                bright += composed.pixelColor(x, y).lightness() > 200;
        QVERIFY(bright > 50);
        QCOMPARE(composed.pixelColor(100, 100), QColor(Qt::black)); // outside the slot
    }
};

QTEST_MAIN(TestSceneReaders)
#include "tst_scene_readers.moc"
