#include "MediaFixtures.h"
#include "TestDirs.h"
#include "base/Failure.h"
#include "media/BeatCache.h"
#include "project/ImgSlide.h"
#include "project/Project.h"
#include "templates/TemplateParser.h"

#include <QFile>
#include <QtTest>

#include <cmath>

namespace {

// Clicks at `bpm` from `from` until `to` seconds.
QVector<double> metronome(double bpm, double from, double to)
{
    QVector<double> clicks;
    for (double t = from; t < to - 1e-9; t += 60.0 / bpm)
        clicks << t;
    return clicks;
}

QString clickTrack(const TestDirs& dirs, const QString& name, const QVector<double>& clicks,
                   double seconds)
{
    MediaFixtures::AudioSpec spec;
    spec.channels = 1;
    spec.seconds = seconds;
    spec.frequency = 1000.0;
    spec.amplitude = 0.6;
    spec.clicks = clicks;
    const QString path = dirs.file(name);
    return MediaFixtures::writeAudio(path, spec) ? path : QString();
}

// A beat every 15 frames (120 bpm) from frame 0, a bar's first every fourth; all heard but
// those at the frames listed.
QVector<BeatCuts::Beat> beatsEvery15(int count, const QVector<int>& unheard = {})
{
    QVector<BeatCuts::Beat> beats;
    for (int k = 0; k < count; ++k)
        beats << BeatCuts::Beat{15.0 * k, !unheard.contains(15 * k), k % 4 == 0};
    return beats;
}

QSharedPointer<TemplateDescription> builtTheme(int id)
{
    QFile file(QStringLiteral(THEMES_DIR "/%1/template.xml").arg(id));
    return file.open(QIODevice::ReadOnly) ? TemplateParser::parse(&file, id) : nullptr;
}

} // namespace

Q_DECLARE_METATYPE(BeatCuts::Span)
Q_DECLARE_METATYPE(BeatCuts::Beat)

class TestBeats : public QObject
{
    Q_OBJECT

private slots:
    void clickTracksPutEveryCutOnAClick_data();
    void clickTracksPutEveryCutOnAClick();
    void beatsAreFoundOncePerSong();
    void cutsGoToTheBestBeatWithinTheLimits_data();
    void cutsGoToTheBestBeatWithinTheLimits();

private:
    TestDirs dirs;
};

void TestBeats::clickTracksPutEveryCutOnAClick_data()
{
    QTest::addColumn<QVector<double>>("clicks");
    QTest::addColumn<double>("seconds");
    QTest::newRow("120 bpm") << metronome(120, 0.0, 40.0) << 40.0;
    QTest::newRow("93 bpm, then 124")
        << metronome(93, 0.0, 30.0) + metronome(124, 30.0, 60.0) << 60.0;
}

void TestBeats::clickTracksPutEveryCutOnAClick()
{
    QFETCH(QVector<double>, clicks);
    QFETCH(double, seconds);
    const QString music =
        clickTrack(dirs, QTest::currentDataTag() + QStringLiteral(".wav"), clicks, seconds);
    QVERIFY(!music.isEmpty());
    BeatGrid grid;
    QVERIFY(BeatCache::find(music, &grid));
    QVector<QSharedPointer<Slide>> photos;
    for (int i = 0; i < 30; ++i)
        photos << QSharedPointer<ImgSlide>::create(i % 3 == 2
                                                       ? dirs.picture("p.png", Qt::red, {20, 30})
                                                       : dirs.picture("l.png", Qt::blue, {30, 20}));

    // Every theme, each with its own cross-fade and its scenes' limits.
    for (int id = 1; id <= 12; ++id) {
        const QSharedPointer<TemplateDescription> theme = builtTheme(id);
        QVERIFY2(theme, qPrintable(QStringLiteral("theme %1").arg(id)));
        Project project;
        project.setTemplateDescription(theme);
        project.setAudio({MediaFileInfo::fromFile(music)});
        project.setSlides(photos);
        project.setCutsOnBeat(false);
        const float fitted = project.duration();
        project.setTrackBeats(music, grid);
        project.setCutsOnBeat(true);
        QCOMPARE(project.duration(), fitted); // still ends with the music

        const int overflow = theme->sceneOverflow;
        const int handOver = overflow >= 1 ? overflow + 1 : 0;
        int start = 0;
        const QList<ScenePlanEntry>& plan = *project.scenePlan();
        QVERIFY(plan.size() > 3);
        for (int k = 0; k < plan.size(); ++k) {
            const Scene& scene = *theme->scenes->value(plan[k].sceneId);
            QVERIFY(plan[k].frames >= scene.shortest() && plan[k].frames <= scene.longest());
            if (k > 0) {
                const double middle = (start + BeatCuts::middle(overflow)) / 30.0;
                double nearest = clicks.first();
                for (double click : clicks)
                    if (std::abs(click - middle) < std::abs(nearest - middle))
                        nearest = click;
                QVERIFY2(std::abs(nearest - middle) <= 1.0 / 30.0 + 1e-6,
                         qPrintable(QStringLiteral("theme %1, hand-over %2 at %3 s, click at %4 s")
                                        .arg(id)
                                        .arg(k)
                                        .arg(middle)
                                        .arg(nearest)));
            }
            start += plan[k].frames - handOver;
        }
    }
}

void TestBeats::beatsAreFoundOncePerSong()
{
    const QString music = clickTrack(dirs, "once.wav", metronome(100, 0.5, 9.0), 13.0);
    BeatGrid first;
    bool cached = true;
    QVERIFY(BeatCache::find(music, &first, {}, &cached));
    QVERIFY(!cached);
    QVERIFY(first.beats.size() > 10);
    QVERIFY(std::abs(first.tempo - 100.0) < 2.0);
    // The song's silent end holds no beat to cut on.
    QVERIFY2(first.beats.last().seconds < 9.5, qPrintable(first.toText()));

    // The same song under another name is known by its content.
    const QString copy = dirs.file("copy of once.wav");
    QVERIFY(QFile::copy(music, copy));
    BeatGrid again;
    QVERIFY(BeatCache::find(copy, &again, {}, &cached));
    QVERIFY(cached);
    QCOMPARE(again.toText(), first.toText());

    // A damaged cache entry is analysed afresh; a stop leaves nothing behind.
    const QString entry = BeatCache::folder() + "/" + BeatCache::contentHash(music);
    QVERIFY(QFile::exists(entry));
    QFile damaged(entry);
    QVERIFY(damaged.open(QIODevice::WriteOnly) &&
            damaged.write("lumavive-beats " + QByteArray::number(BeatGrid::kFormat) +
                          "\ntempo x\n") > 0);
    damaged.close();
    QVERIFY(BeatCache::find(music, &again, {}, &cached));
    QVERIFY(!cached);
    QCOMPARE(again.toText(), first.toText());
    QVERIFY(QFile::remove(entry));
    QVERIFY(!BeatCache::find(music, &again, [](int) { return false; }));
    QVERIFY(!QFile::exists(entry));

    // A held tone and silence have no beat to cut on, though the tracker keeps time in them.
    MediaFixtures::AudioSpec tone;
    tone.seconds = 10;
    for (double amplitude : {0.5, 0.0}) {
        tone.amplitude = amplitude;
        const QString held = dirs.file(QStringLiteral("tone%1.wav").arg(amplitude));
        QVERIFY(MediaFixtures::writeAudio(held, tone));
        QVERIFY(BeatCache::find(held, &again));
        QCOMPARE(again.beats.size(), 0);
    }

    // What is no music says so.
    const QString notMusic = dirs.picture("cover.png", Qt::green);
    QVERIFY_EXCEPTION_THROWN(BeatCache::find(notMusic, &again), Failure);
}

void TestBeats::cutsGoToTheBestBeatWithinTheLimits_data()
{
    // Two scenes cut at frame 50 (no cross-fade), the video ending at 100 or 200.
    using Spans = QVector<BeatCuts::Span>;
    QTest::addColumn<Spans>("scenes");
    QTest::addColumn<QVector<BeatCuts::Beat>>("beats");
    QTest::addColumn<QVector<int>>("expected");
    QTest::newRow("the nearest beat")
        << Spans{{50, 30, 120}, {50, 30, 120}} << beatsEvery15(8) << QVector<int>{45, 55};
    QTest::newRow("a heard beat before one only expected")
        << Spans{{50, 30, 120}, {50, 30, 120}} << beatsEvery15(8, {45}) << QVector<int>{60, 40};
    QTest::newRow("a bar line when the scene lasts a bar and a half")
        << Spans{{100, 60, 200}, {100, 60, 200}} << beatsEvery15(16) << QVector<int>{120, 80};
    QTest::newRow("a scene that cannot change stays")
        << Spans{{50, 50, 50}, {50, 30, 120}} << beatsEvery15(8) << QVector<int>{50, 50};
    QTest::newRow("no beat within reach")
        << Spans{{50, 30, 120}, {50, 30, 120}}
        << QVector<BeatCuts::Beat>{{400, true, true}, {415, true, false}} << QVector<int>{50, 50};
}

void TestBeats::cutsGoToTheBestBeatWithinTheLimits()
{
    QFETCH(QVector<BeatCuts::Span>, scenes);
    QFETCH(QVector<BeatCuts::Beat>, beats);
    QFETCH(QVector<int>, expected);
    QCOMPARE(BeatCuts::place(scenes, 0, beats, true, 1000), expected);
}

QTEST_GUILESS_MAIN(TestBeats)
#include "tst_beats.moc"
