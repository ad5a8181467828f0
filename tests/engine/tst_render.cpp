#include "MediaFixtures.h"
#include "OutputProbe.h"
#include "TestDirs.h"
#include "ThemeFixture.h"
#include "engine/LibavRender.h"
#include "media/MediaFileInfo.h"
#include "project/ImgSlide.h"
#include "project/Project.h"
#include "templates/TemplateCatalog.h"
#include "templates/TemplateParser.h"

#include <QtTest>

namespace {

// The photo slot of every fixture scene covers the middle of the frame; luminance is measured
// in the top-left corner, on the background.
const QRect kCorner(16, 16, 200, 120);

} // namespace

class TestRender : public QObject
{
    Q_OBJECT

    TestDirs dirs;

    QSharedPointer<Slide> photo(QColor color)
    {
        return QSharedPointer<ImgSlide>::create(
            dirs.picture(color.name() + ".png", color, QSize(200, 200)));
    }

    QSharedPointer<Project> project(int themeId, int slides, bool fullHd = false)
    {
        auto p = QSharedPointer<Project>::create();
        UserData settings;
        settings.quality = fullHd ? 1 : 0;
        p->setUserData(settings);
        p->setThemeId(themeId);
        QVector<QSharedPointer<Slide>> list;
        const QList<QColor> colors = {Qt::red, Qt::blue, Qt::green};
        for (int i = 0; i < slides; ++i)
            list << photo(colors[i % colors.size()]);
        p->setSlides(list);
        return p;
    }

    // Renders `slides` photos on the theme into `name` and reads the video back; no frames when
    // the render failed.
    OutputProbe rendered(int themeId, int slides, const QString& name, bool fullHd = false)
    {
        const QString out = dirs.file(name);
        LibavRender render(project(themeId, slides, fullHd), loadTemplate(themeId), out);
        double progress = 0;
        connect(&render, &LibavRender::progress, this,
                [&](QSharedPointer<QImage>, double percent) { progress = percent; });
        if (!render.render())
            return {};
        // The progress counts the video's frames, whatever overlaps shorten it by.
        if (qRound(progress) != 100) {
            qWarning("the progress ended at %.1f %%", progress);
            return {};
        }
        return OutputProbe::read(out, kCorner);
    }

    static void checkContinuous(const OutputProbe& probe)
    {
        const qint64 step = probe.frames[1].pts - probe.frames[0].pts;
        QVERIFY(step > 0);
        for (int i = 1; i < probe.frames.size(); ++i)
            QCOMPARE(probe.frames[i].pts - probe.frames[i - 1].pts, step);
    }

private slots:
    void initTestCase()
    {
        TemplateCatalog::use(dirs.file("templates/"));
        ThemeFixture::ThemeSpec fades;
        fades.id = 1;
        fades.fadeIn = 10;
        fades.fadeOut = 10;
        fades.scenes = {ThemeFixture::SceneSpec{}};
        QVERIFY(ThemeFixture::write(dirs.file("templates"), fades));

        ThemeFixture::ThemeSpec overlap;
        overlap.id = 2;
        overlap.sceneOverflow = 15;
        ThemeFixture::SceneSpec still;
        still.slot = QRectF(0.25, 0.25, 0.5, 0.5);
        overlap.scenes = {still};
        QVERIFY(ThemeFixture::write(dirs.file("templates"), overlap));

        ThemeFixture::ThemeSpec plain;
        plain.id = 3;
        ThemeFixture::SceneSpec video;
        video.video = true;
        video.frames = 60;
        ThemeFixture::SceneSpec short_;
        short_.id = 2;
        short_.video = true;
        short_.frames = 60;
        short_.videoFrames = 40; // the background ends before its scene does
        plain.scenes = {video, short_};
        QVERIFY(ThemeFixture::write(dirs.file("templates"), plain));

        ThemeFixture::ThemeSpec withCopy;
        withCopy.id = 4;
        ThemeFixture::SceneSpec blue;
        blue.video = true;
        blue.frames = 20;
        blue.background = Qt::blue;
        blue.hdCopy = Qt::red;
        blue.slot = QRectF(0.05, 0.05, 0.1, 0.1); // the frame's centre shows the background
        withCopy.scenes = {blue};
        QVERIFY(ThemeFixture::write(dirs.file("templates"), withCopy));
    }

    void fadesFollowTheirAlphas()
    {
        const QString out = dirs.file("fades.mp4");
        const OutputProbe probe = rendered(1, 1, "fades.mp4");
        QCOMPARE(probe.width, 1280);
        QCOMPARE(probe.frames.size(), 90);
        checkContinuous(probe);
        const double base = probe.frames[45].luminance;
        QVERIFY(qAbs(base - 200) < 8);
        const QMap<int, int> alphas = {{1, 204}, {2, 178},  {4, 127},  {8, 25},   {9, 0},
                                       {80, 25}, {84, 127}, {88, 229}, {89, 255}, {90, 255}};
        for (auto it = alphas.cbegin(); it != alphas.cend(); ++it) {
            const double expected = base * (1.0 - it.value() / 255.0);
            const double got = probe.frames[it.key() - 1].luminance;
            QVERIFY2(
                qAbs(got - expected) < 8,
                qPrintable(
                    QStringLiteral("frame %1: %2 vs %3").arg(it.key()).arg(got).arg(expected)));
        }
        QCOMPARE(OutputProbe::ffprobeFrames(out) == -1 ? 90 : OutputProbe::ffprobeFrames(out), 90);
    }

    // At Full HD.
    void overlappingScenesCrossFade()
    {
        const OutputProbe probe = rendered(2, 2, "overlap.mp4", true);
        QCOMPARE(probe.width, 1920);
        QCOMPARE(probe.height, 1080);
        QCOMPARE(probe.frames.size(), 164);
        checkContinuous(probe);
        QCOMPARE(probe.frames[10].centre.red() > 200, true);   // the first (red) photo
        QCOMPARE(probe.frames[120].centre.blue() > 200, true); // the second (blue) photo
        // The second scene's first frame shows the first scene at 1 - 2/15 over it, within a few
        // levels of the encoder's: a frame early or late is 17 levels off.
        const QColor blend = probe.frames[74].centre;
        QVERIFY2(qAbs(blend.red() - 221) <= 8 && qAbs(blend.blue() - 34) <= 8,
                 qPrintable(blend.name()));
        const QColor later = probe.frames[74 + 7].centre; // 1 - 9/15 = 0.4
        QVERIFY2(qAbs(later.red() - 102) <= 8 && qAbs(later.blue() - 153) <= 8,
                 qPrintable(later.name()));
    }

    // Each hand-over of overlapping scenes writes one frame less than the scenes' lengths less
    // their overlaps: the music's fade-out must end on the video's last frame all the same.
    void theMusicFadesOutWithTheLastFrame()
    {
        MediaFixtures::AudioSpec music;
        music.seconds = 60;
        QVERIFY(MediaFixtures::writeAudio(dirs.file("long.m4a"), music));
        const QSharedPointer<Project> p = project(2, 10);
        p->setAudio({MediaFileInfo::fromFile(dirs.file("long.m4a"))});
        QCOMPARE(p->scenePlan()->size(), 10);
        const QString out = dirs.file("music-end.mp4");
        QVERIFY(LibavRender(p, loadTemplate(2), out).render());
        const OutputProbe probe = OutputProbe::read(out, kCorner);
        QCOMPARE(probe.frames.size(), 10 * 90 - 9 * 16);
        QVERIFY(qAbs(probe.audioSeconds - probe.frames.size() / 30.0) < 0.05);
        const double full = probe.audioRms[100];
        QVERIFY2(probe.audioRms.last() < full * 0.15,
                 qPrintable(QStringLiteral("%1 of %2").arg(probe.audioRms.last()).arg(full)));
    }

    void scenesWithoutOverlapRunOn()
    {
        const OutputProbe probe = rendered(3, 3, "no-overlap.mp4");
        // 60 + 40 (a background that ended early) + 60 frames, one after the other.
        QCOMPARE(probe.frames.size(), 160);
        checkContinuous(probe);
    }

    // HD renders play the theme's HD copy of a video background, Full HD ones the original; an
    // HD copy that is not there leaves the original.
    void hdRendersTakeTheHdCopy()
    {
        const auto centreColour = [this](bool fullHd) {
            return rendered(4, 1, fullHd ? "copy-full.mp4" : "copy-hd.mp4", fullHd)
                .frames.value(10)
                .centre;
        };
        QVERIFY(centreColour(false).red() > 200);
        QVERIFY(centreColour(true).blue() > 200);
        QVERIFY(QFile::remove(dirs.file("templates/4/1-hd.mp4")));
        QVERIFY(centreColour(false).blue() > 200);
    }

    // Stops and output failures: tst_render_faults.
    void aSceneTheThemeLacksFailsTheRender()
    {
        auto p = project(2, 1);
        auto other = loadTemplate(3); // scene ids 1 and 2, but change the plan's scene
        (*p->scenePlan())[0].sceneId = 99;
        const QString missing = dirs.file("missing-scene.mp4");
        QVERIFY(!LibavRender(p, other, missing).render());
        QVERIFY(!QFileInfo::exists(missing));
    }
};

QTEST_MAIN(TestRender)
#include "tst_render.moc"
