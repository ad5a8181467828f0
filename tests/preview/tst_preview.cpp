#include "MediaFixtures.h"
#include "TestDirs.h"
#include "ThemeFixture.h"
#include "base/CommonError.h"
#include "engine/FrameGrab.h"
#include "engine/LibavRender.h"
#include "engine/PlanPlayer.h"
#include "media/MediaFileInfo.h"
#include "preview/DisplaySink.h"
#include "preview/PreviewPlayer.h"
#include "preview/PreviewWorker.h"
#include "project/ImgSlide.h"
#include "project/TextSlide.h"
#include "templates/TemplateCatalog.h"

#include <QAudioDeviceInfo>
#include <QProcess>
#include <QtTest>

#include <cmath>
#include <fcntl.h>
#include <sys/stat.h>
#include <thread>
#include <unistd.h>

namespace {

// Mean difference of all colour channels, in levels.
double meanDifference(const QImage& a, const QImage& b)
{
    const QImage x = a.convertToFormat(QImage::Format_RGB888);
    const QImage y = b.convertToFormat(QImage::Format_RGB888);
    if (x.size() != y.size())
        return 255.0;
    qint64 sum = 0;
    for (int row = 0; row < x.height(); ++row) {
        const uchar* p = x.constScanLine(row);
        const uchar* q = y.constScanLine(row);
        for (int i = 0; i < x.width() * 3; ++i)
            sum += std::abs(p[i] - q[i]);
    }
    return double(sum) / (double(x.width()) * x.height() * 3);
}

// Threads of the preview: the engine's and the background sources' (threads take the name of
// their job, and the decoders' helper threads that of the thread that starts them).
int previewThreads()
{
    int count = 0;
    const QDir tasks(QStringLiteral("/proc/self/task"));
    for (const QString& task : tasks.entryList(QDir::Dirs | QDir::NoDotAndDotDot)) {
        QFile name(tasks.filePath(task + QStringLiteral("/comm")));
        const QByteArray comm = name.open(QIODevice::ReadOnly) ? name.readAll() : QByteArray();
        for (const char* job : {"PreviewWorker", "AsyncVideoInput", "AsyncStaticImg"})
            count += comm.startsWith(job);
    }
    return count;
}

} // namespace

// The preview plays what the render writes, starts where it is asked to, pauses and goes on,
// plays without a sound card, and leaves nothing running when closed.
class TestPreview : public QObject
{
    Q_OBJECT

    TestDirs dirs;
    QSharedPointer<Project> project;
    QSharedPointer<TemplateDescription> theme;
    const QSize hd{1280, 720};

    // A photo scene on a video background (its photo zooming in its slot) and a text scene,
    // cross-fading into each other, with a fade-in and a fade-out: red photo, text, blue photo.
    void makeProject(bool withMusic)
    {
        ThemeFixture::ThemeSpec spec = ThemeFixture::photoAndText(1);
        spec.fadeIn = 10;
        spec.fadeOut = 10;
        spec.sceneOverflow = 10;
        spec.scenes[0].frames = 40;
        spec.scenes[0].video = true;
        spec.scenes[0].objectAttributes = QStringLiteral("zoom=\"1,1.3\""); // a zooming photo
        spec.scenes[1].frames = 40;
        spec.scenes[1].background = QColor(40, 90, 160);
        QVERIFY(ThemeFixture::write(dirs.file("templates"), spec));
        TemplateCatalog::use(dirs.file("templates/"));
        project = QSharedPointer<Project>::create();
        project->setThemeId(1);
        theme = project->templateDescription();
        QVERIFY(theme);
        if (withMusic) {
            MediaFixtures::AudioSpec music;
            music.seconds = 10;
            QVERIFY(MediaFixtures::writeAudio(dirs.file("song.m4a"), music));
            project->setAudio({MediaFileInfo::fromFile(dirs.file("song.m4a"))});
        }
        project->setSlides(
            {QSharedPointer<ImgSlide>::create(dirs.picture("red.png", Qt::red, QSize(200, 200))),
             QSharedPointer<TextSlide>::create("Hello"),
             QSharedPointer<ImgSlide>::create(
                 dirs.picture("blue.png", Qt::blue, QSize(200, 200)))});
        QCOMPARE(project->scenePlan()->size(), 3);
    }

    // The frames of the rendered video at these indices, decoded by the ffmpeg tool.
    QList<QImage> videoFrames(const QString& video, const QList<int>& indices)
    {
        QStringList terms;
        for (int index : indices)
            terms << QStringLiteral("eq(n\\,%1)").arg(index);
        const QString folder = dirs.file("decoded");
        QDir().mkpath(folder);
        QProcess ffmpeg;
        ffmpeg.start("ffmpeg",
                     {"-v", "error", "-i", video, "-vf", "select='" + terms.join('+') + "'",
                      "-vsync", "0", folder + "/f%02d.png"});
        if (!ffmpeg.waitForFinished(60000) || ffmpeg.exitCode() != 0)
            return {};
        QList<QImage> frames;
        for (int i = 1; i <= indices.size(); ++i)
            frames << QImage(QStringLiteral("%1/f%2.png").arg(folder).arg(i, 2, 10, QChar('0')));
        return frames;
    }

    // Every frame the preview thread hands to the display, in order, none dropped.
    QMap<int, QImage> previewFrames(int entry, const QList<int>& wanted,
                                    QSharedPointer<Project> played = nullptr)
    {
        if (!played)
            played = project;
        auto sink = QSharedPointer<DisplaySink>::create(4);
        WorkerThread thread;
        thread.start(new PreviewWorker(played, played->templateDescription(), hd, entry, sink));
        QMap<int, QImage> frames;
        // A display that never gets a frame fails here, with what it got, not at CTest's timeout.
        QElapsedTimer waited;
        waited.start();
        for (int index = 0;;) {
            const DisplaySink::Taken taken = sink->take(index);
            if (!taken.image.isNull()) {
                if (wanted.contains(taken.index))
                    frames.insert(taken.index, taken.image);
                index = taken.index + 1;
                waited.restart();
            } else if (taken.ended) {
                break;
            } else if (waited.hasExpired(20000)) {
                qWarning("no frame after frame %d for 20 s", index - 1);
                thread.stop();
                break;
            } else {
                QThread::msleep(1);
            }
        }
        thread.join();
        return frames;
    }

    // Waits until the player shows a frame it had not shown before.
    static bool nextFrame(PreviewPlayer& player, int timeoutMs = 5000)
    {
        QSignalSpy shown(&player, &PreviewPlayer::frameShown);
        return shown.wait(timeoutMs);
    }

private slots:
    void initTestCase() { makeProject(false); }

    void framesEqualTheRenderedVideo()
    {
        const QVector<int> starts = PlanPlayer::entryStarts(*project, *theme);
        const int frames = PlanPlayer::videoFrames(*project, *theme);
        QCOMPARE(starts, (QVector<int>{0, 29, 58}));
        const int fadeIn = 4;
        const int image = 20;
        const int crossFade = starts[1] + 4;
        const int text = starts[1] + 20;
        const int fadeOut = frames - 4;
        const QList<int> indices = {fadeIn, image, crossFade, text, fadeOut};

        const QString video = dirs.file("video.mp4");
        QVERIFY(LibavRender(project, theme, video).render());
        const QList<QImage> rendered = videoFrames(video, indices);
        QCOMPARE(rendered.size(), indices.size());
        const QMap<int, QImage> played = previewFrames(0, indices);
        for (int k = 0; k < indices.size(); ++k) {
            const int index = indices[k];
            QVERIFY2(played.contains(index), qPrintable(QString::number(index)));
            const double off = meanDifference(played[index], rendered[k]);
            QVERIFY2(
                off < 3.0,
                qPrintable(QStringLiteral("frame %1 differs by %2 levels").arg(index).arg(off)));
            // The single frame the command-line tool writes is that frame too.
            const QImage single = FrameGrab::grab(project, theme, hd, index);
            QCOMPARE(single.size(), hd);
            QVERIFY(meanDifference(single, played[index]) < 0.01);
        }
        // A fade or a cross-fade a frame off is told apart.
        for (int index : {fadeIn, crossFade, fadeOut})
            QVERIFY(meanDifference(played[index], FrameGrab::grab(project, theme, hd, index + 1)) >
                    6.0);
        QVERIFY(FrameGrab::grab(project, theme, hd, frames).isNull());
    }

    // A hold stretched to fill the music looks the same in the preview, the render and a single
    // frame, and its frames show the drawn scene's moments in between: the slot drifts right.
    // So does a cut moved onto a beat.
    void aStretchedHoldIsTheSameEverywhere()
    {
        ThemeFixture::ThemeSpec spec;
        spec.id = 2;
        ThemeFixture::SceneSpec drifting;
        drifting.frames = 40;
        drifting.video = true;
        drifting.slot = QRectF(0.1, 0.3, 0.3, 0.3);
        drifting.drift = 0.004;
        drifting.attributes = QStringLiteral("hold=\"5,35\" hold-range=\"0.5,4\"");
        spec.scenes = {drifting};
        QVERIFY(ThemeFixture::write(dirs.file("templates"), spec));
        MediaFixtures::AudioSpec music;
        music.seconds = 4;
        QVERIFY(MediaFixtures::writeAudio(dirs.file("four.wav"), music));
        const QVector<QSharedPointer<Slide>> photo{QSharedPointer<ImgSlide>::create(
            dirs.picture("green.png", Qt::green, QSize(300, 200)))};
        auto stretched = QSharedPointer<Project>::create();
        stretched->setThemeId(2);
        stretched->setAudio({MediaFileInfo::fromFile(dirs.file("four.wav"))});
        stretched->setSlides(photo);
        const auto drawnTheme = stretched->templateDescription();
        QCOMPARE(PlanPlayer::videoFrames(*stretched, *drawnTheme), 120);
        auto drawn = QSharedPointer<Project>::create();
        drawn->setThemeId(2);
        drawn->setSlides(photo);

        const QList<int> indices = {3, 60, 117};
        const QString video = dirs.file("stretched.mp4");
        QVERIFY(LibavRender(stretched, drawnTheme, video).render());
        const QList<QImage> rendered = videoFrames(video, indices);
        QCOMPARE(rendered.size(), indices.size());
        const QMap<int, QImage> played = previewFrames(0, indices, stretched);
        for (int k = 0; k < indices.size(); ++k) {
            const QImage single = FrameGrab::grab(stretched, drawnTheme, hd, indices[k]);
            QVERIFY(meanDifference(single, played.value(indices[k])) < 0.01);
            QVERIFY(meanDifference(single, rendered[k]) < 3.0);
        }
        // Frame 60 is 55 frames into the hold, played 110 frames long instead of 30: the drawn
        // scene's frame 5 + 55 * 30 / 110 = 20, and frame 3 is frame 3.
        QVERIFY(meanDifference(played.value(60), FrameGrab::grab(drawn, drawnTheme, hd, 20)) <
                0.01);
        QVERIFY(meanDifference(played.value(3), FrameGrab::grab(drawn, drawnTheme, hd, 3)) < 0.01);
        QVERIFY(meanDifference(played.value(60), FrameGrab::grab(drawn, drawnTheme, hd, 21)) > 0.1);

        // Cut on the beat: a second photo takes over on the beat at 1.7 s (frame 51), not half
        // way, in the preview, the render and a single frame alike.
        BeatGrid beats;
        for (double at : {1.0, 1.7, 2.4})
            beats.beats << BeatGrid::Beat{at, true, false};
        stretched->setSlides(photo +
                             QVector<QSharedPointer<Slide>>{QSharedPointer<ImgSlide>::create(
                                 dirs.picture("red.png", Qt::red, QSize(300, 200)))});
        stretched->setTrackBeats(dirs.file("four.wav"), beats);
        QCOMPARE(stretched->scenePlan()->first().frames, 51);
        QVERIFY(LibavRender(stretched, drawnTheme, video).render());
        const QList<QImage> cut = videoFrames(video, {50, 51});
        const QMap<int, QImage> cutPlayed = previewFrames(0, {50, 51}, stretched);
        for (int k = 0; k < 2; ++k) {
            const QImage single = FrameGrab::grab(stretched, drawnTheme, hd, 50 + k);
            QVERIFY(meanDifference(single, cutPlayed.value(50 + k)) < 0.01);
            QVERIFY(meanDifference(single, cut[k]) < 3.0);
        }
        QVERIFY(meanDifference(cutPlayed.value(50), cutPlayed.value(51)) > 5.0);
    }

    void pauseHoldsTheFrameAndResumeGoesOnFromIt()
    {
        PreviewPlayer player;
        player.setAudioDevice(QAudioDeviceInfo());
        player.play(project, theme, QSize(640, 360), 0);
        QTRY_VERIFY(player.frameIndex() >= 5);
        player.pause();
        QCOMPARE(player.state(), PreviewPlayer::Paused);
        const int held = player.frameIndex();
        const QImage frame = player.frame();
        QTest::qWait(1000);
        QCOMPARE(player.frameIndex(), held);
        QCOMPARE(player.frame(), frame);
        QElapsedTimer sinceResume;
        sinceResume.start();
        player.resume();
        QCOMPARE(player.state(), PreviewPlayer::Playing);
        QVERIFY(nextFrame(player));
        // A second paused is not a second skipped (30 frames); a busy machine may drop a few.
        QVERIFY2(player.frameIndex() > held && player.frameIndex() < held + 15,
                 qPrintable(QStringLiteral("%1 after %2").arg(player.frameIndex()).arg(held)));
        // Half a second on it has played what came since the resume, not the paused second too.
        QTest::qWait(500);
        QVERIFY2(player.frameIndex() < held + 15 + int(sinceResume.elapsed() * 30 / 1000),
                 qPrintable(QStringLiteral("%1 after %2").arg(player.frameIndex()).arg(held)));
        // To the end, then Play starts over.
        QTRY_VERIFY_WITH_TIMEOUT(player.atEnd(), 10000);
        QCOMPARE(player.frameIndex(), PlanPlayer::videoFrames(*project, *theme) - 1);
        player.resume();
        QVERIFY(nextFrame(player));
        QCOMPARE(player.frameIndex(), 0);
    }

    void closingStopsEveryThread()
    {
        // A thread that was joined may take the system a moment more to clear away, longer on a
        // loaded machine under the sanitizers.
        QTRY_COMPARE_WITH_TIMEOUT(previewThreads(), 0, 5000);
        {
            PreviewPlayer player;
            player.setAudioDevice(QAudioDeviceInfo());
            player.play(project, theme, QSize(640, 360), 1);
            QVERIFY(nextFrame(player));
            QVERIFY(previewThreads() >= 2);
            player.close();
            QCOMPARE(player.state(), PreviewPlayer::Closed);
            QVERIFY(player.frame().isNull());
            QTRY_COMPARE_WITH_TIMEOUT(previewThreads(), 0, 5000);
            // Closed while the engine waits for room, and before its first frame.
            player.play(project, theme, QSize(640, 360), 0);
            player.pause();
            QTest::qWait(200);
            player.close();
            QTRY_COMPARE_WITH_TIMEOUT(previewThreads(), 0, 5000);
            player.play(project, theme, QSize(640, 360), 0);
            player.close();
            QTRY_COMPARE_WITH_TIMEOUT(previewThreads(), 0, 5000);
            player.play(project, theme, QSize(640, 360), 0);
        } // destroyed while playing
        QTRY_COMPARE_WITH_TIMEOUT(previewThreads(), 0, 5000);
    }

    // A sound card that fails, in any of the ways real ones do, never stops the picture: the
    // preview plays on to the end by the wall clock and says why there is no music.
    void aFailingSoundDeviceLeavesThePicturePlaying_data()
    {
        QTest::addColumn<QString>("device");
        QTest::addColumn<QString>("problem");
        QTest::newRow("fails to open") << "standin-fails-to-open"
                                       << "cannot be opened";
        QTest::newRow("unplugged while playing") << "standin-unplugged"
                                                 << "stopped: the preview";
        QTest::newRow("stops taking samples") << "standin-stalls"
                                              << "stopped taking the music";
        QTest::newRow("working") << "standin-plays"
                                 << "";
    }
    void aFailingSoundDeviceLeavesThePicturePlaying()
    {
        QFETCH(QString, device);
        QFETCH(QString, problem);
        makeProject(true);
        QAudioDeviceInfo chosen;
        for (const QAudioDeviceInfo& info : QAudioDeviceInfo::availableDevices(QAudio::AudioOutput))
            if (info.deviceName() == device)
                chosen = info;
        QVERIFY2(!chosen.isNull(), "the stand-in sound plug-in is not on QT_PLUGIN_PATH");
        PreviewPlayer player;
        player.setAudioDevice(chosen);
        player.play(project, theme, QSize(320, 180), 0);
        QTRY_VERIFY_WITH_TIMEOUT(player.atEnd(), 15000);
        QCOMPARE(player.frameIndex(), PlanPlayer::videoFrames(*project, *theme) - 1);
        if (problem.isEmpty())
            QVERIFY2(player.soundProblem().isEmpty(), qPrintable(player.soundProblem()));
        else
            QVERIFY2(player.soundProblem().contains(problem), qPrintable(player.soundProblem()));
    }

    // The window never waits for the engine, even one held up opening a photo that does not come
    // (a pipe nobody writes to, standing for a huge photo on a slow disk): seeking and closing
    // return while it is held, and it ends on its own once the photo is there.
    void seekingAndClosingNeverWaitForTheEngine()
    {
        const QString pipe = dirs.file("held.jpg");
        QVERIFY(mkfifo(QFile::encodeName(pipe).constData(), 0600) == 0);
        auto held = QSharedPointer<Project>::create(*project);
        held->setSlides({QSharedPointer<ImgSlide>::create(pipe)});
        // Lets the engine go once the window is closed, or after three seconds whatever happens,
        // so that a window that does wait fails the test instead of hanging it.
        std::atomic<bool> closed{false};
        std::atomic<bool> waited{false};
        std::atomic<bool> done{false};
        std::thread releaser([&] {
            for (int i = 0; i < 300 && !closed; ++i)
                QThread::msleep(10);
            waited = !closed;
            // Every time the reader opens the pipe it finds an empty file.
            while (!done) {
                const int fd = ::open(QFile::encodeName(pipe).constData(), O_WRONLY | O_NONBLOCK);
                if (fd >= 0)
                    ::close(fd);
                QThread::msleep(5);
            }
        });
        PreviewPlayer player;
        player.setAudioDevice(QAudioDeviceInfo());
        player.play(held, theme, hd, 0);
        QTRY_VERIFY(previewThreads() >= 1);
        QTest::qWait(100);
        player.seek(0);
        player.close();
        closed = true;
        QVERIFY2(!waited, "closing waited for the engine");
        QCOMPARE(player.state(), PreviewPlayer::Closed);
        QTRY_COMPARE_WITH_TIMEOUT(previewThreads(), 0, 5000);
        done = true;
        releaser.join();
    }

    // A play tells each problem once, however often it is sought through: every unreadable photo
    // in one message before the first frame, and a background video that is gone once.
    void aPlayTellsEachProblemOnce()
    {
        QFile junk(dirs.file("junk.jpg"));
        QVERIFY(junk.open(QIODevice::WriteOnly) && junk.write("not a photo") > 0);
        junk.close();
        auto broken = QSharedPointer<Project>::create(*project);
        broken->setSlides({QSharedPointer<ImgSlide>::create(dirs.file("gone.jpg")),
                           QSharedPointer<TextSlide>::create("Hello"),
                           QSharedPointer<ImgSlide>::create(dirs.file("junk.jpg"))});
        QSignalSpy told(CommonError::instance(), &CommonError::error);
        PreviewPlayer player;
        player.setAudioDevice(QAudioDeviceInfo());
        player.play(broken, theme, QSize(320, 180), 0);
        QVERIFY(nextFrame(player));
        for (const int entry : {2, 0, 1}) {
            player.seek(entry);
            QVERIFY(nextFrame(player));
        }
        QCOMPARE(told.count(), 1);
        const QString said = told.at(0).at(0).toString();
        QVERIFY2(said.contains(dirs.file("gone.jpg")) && said.contains(dirs.file("junk.jpg")),
                 qPrintable(said));

        // The theme's background video is gone: the play ends at once, and says so once.
        ThemeFixture::ThemeSpec spec = ThemeFixture::photoAndText(2);
        spec.scenes[0].video = true;
        QVERIFY(ThemeFixture::write(dirs.file("templates"), spec));
        for (const QFileInfo& video :
             QDir(dirs.file("templates/2")).entryInfoList({"*.mp4"}, QDir::Files))
            QVERIFY(QFile::remove(video.filePath()));
        auto lost = QSharedPointer<Project>::create(*project);
        lost->setThemeId(2);
        lost->setSlides({QSharedPointer<ImgSlide>::create(dirs.file("red.png"))});
        told.clear();
        player.play(lost, lost->templateDescription(), QSize(320, 180), 0);
        QTRY_VERIFY(player.atEnd());
        player.seek(0);
        QTRY_VERIFY(player.atEnd());
        player.resume();
        QTRY_VERIFY(player.atEnd());
        QTest::qWait(100);
        QCOMPARE(told.count(), 1);
        QVERIFY2(told.at(0).at(0).toString().contains("Download the theme again"),
                 qPrintable(told.at(0).at(0).toString()));
    }

    void withoutASoundDeviceItPlaysSilently()
    {
        makeProject(true);
        PreviewPlayer player;
        player.setAudioDevice(QAudioDeviceInfo());
        player.play(project, theme, QSize(640, 360), 0);
        QTRY_VERIFY(player.frameIndex() >= 15);
        QVERIFY(player.soundProblem().contains(QLatin1String("No sound device")));
        QCOMPARE(player.state(), PreviewPlayer::Playing);
    }
};

QTEST_MAIN(TestPreview)
#include "tst_preview.moc"
