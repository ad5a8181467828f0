// The preview benchmark: the built-in themes played live, as the editor's preview plays them
// (PreviewPlayer, on the wall clock unless --sound), with 12 photos of 12 megapixels, two
// texts and 60 s of music. Per theme: milliseconds from Play to the first frame on screen and
// from a seek to the first frame there, and the frames shown, dropped and shown late (more than
// a frame after their time) over 20 s of playing from the start and 5 s after the seek; then the
// longest time the GUI thread was kept busy (an event-loop turn, a play, seek or close) while
// seeking and closing during scene openings with 24-megapixel photos. `--size
// WxH` plays at another size (640x360 by default); LUMAVIVE_THEMES_DIR names another theme folder
// than the build tree's.
#include "MediaFixtures.h"
#include "media/LibavInit.h"
#include "preview/PreviewPlayer.h"
#include "project/ImgSlide.h"
#include "project/TextSlide.h"

#include <QAudioDeviceInfo>
#include <QDir>
#include <QElapsedTimer>
#include <QEventLoop>
#include <QFile>
#include <QFileInfo>
#include <QGuiApplication>
#include <QTemporaryDir>
#include <QTextStream>
#include <QTimer>

namespace {

QTextStream out(stdout);
double longestStallMs = 0; // the longest the GUI thread was busy at once

// Runs `work` on the GUI thread, noting how long it kept it.
void timed(const std::function<void()>& work)
{
    QElapsedTimer timer;
    timer.start();
    work();
    longestStallMs = qMax(longestStallMs, timer.nsecsElapsed() / 1e6);
}

// Runs the event loop until `done` holds or `ms` have passed.
void runUntil(const std::function<bool()>& done, int ms)
{
    QElapsedTimer timer;
    timer.start();
    QEventLoop loop;
    while (!done() && timer.elapsed() < ms) {
        // Waiting for events is no work: only what the turn did after them counts.
        loop.processEvents(QEventLoop::AllEvents | QEventLoop::WaitForMoreEvents, 5);
        timed([&] { loop.processEvents(QEventLoop::AllEvents); });
    }
}

QSharedPointer<Project> project(const QString& folder, int theme, const QString& photo = "photo")
{
    auto p = QSharedPointer<Project>::create();
    p->setThemeId(theme);
    p->setAudio({MediaFileInfo::fromFile(folder + "/music.m4a")});
    QVector<QSharedPointer<Slide>> slides;
    for (int i = 0; i < 12; ++i) {
        if (i == 4)
            slides << QSharedPointer<TextSlide>::create("A summer by the lake");
        if (i == 9)
            slides << QSharedPointer<TextSlide>::create("Thank you for watching");
        slides << QSharedPointer<ImgSlide>::create(folder +
                                                   QStringLiteral("/%1-%2.jpg").arg(photo).arg(i));
    }
    p->setSlides(slides);
    return p;
}

} // namespace

int main(int argc, char* argv[])
{
    qputenv("QT_QPA_PLATFORM", "offscreen");
    initLibav();
    QGuiApplication app(argc, argv);
    QSize size(640, 360);
    const int sizeAt = app.arguments().indexOf("--size");
    if (sizeAt > 0 && sizeAt + 1 < app.arguments().size()) {
        const QStringList sides = app.arguments()[sizeAt + 1].split('x');
        size = QSize(sides.value(0).toInt(), sides.value(1).toInt());
    }
    const bool sound = app.arguments().contains("--sound");
    QString themes = qEnvironmentVariable("LUMAVIVE_THEMES_DIR");
    if (themes.isEmpty())
        themes = QCoreApplication::applicationDirPath() + "/../share/lumavive/themes";

    QTemporaryDir dir;
    const QString folder = dir.path();
    out << "preparing 12 photos (4000x3000) and 60 s of music...\n";
    out.flush();
    MediaFixtures::cameraPhoto().save(folder + "/photo-0.jpg", "JPG", 90);
    MediaFixtures::cameraPhoto().scaled(6000, 4000).save(folder + "/large-0.jpg", "JPG", 90);
    for (int i = 1; i < 12; ++i) {
        QFile::copy(folder + "/photo-0.jpg", folder + QStringLiteral("/photo-%1.jpg").arg(i));
        QFile::copy(folder + "/large-0.jpg", folder + QStringLiteral("/large-%1.jpg").arg(i));
    }
    MediaFixtures::AudioSpec music;
    music.seconds = 60.0;
    if (!MediaFixtures::writeAudio(folder + "/music.m4a", music) ||
        !QFile::link(QDir(themes).absolutePath(), folder + "/templates"))
        return 1;
    QDir::setCurrent(folder);

    out << "built-in themes played at " << size.width() << "x" << size.height()
        << ", 20 s from the start, then 5 s from the fourth scene\n";
    out << "theme  start ms  seek ms  shown  dropped  dropped %  late\n";
    for (int theme = 1; QFileInfo::exists(folder + QStringLiteral("/templates/%1").arg(theme));
         ++theme) {
        const QSharedPointer<Project> played = project(folder, theme);
        if (!played->templateDescription() || played->scenePlan()->size() < 4) {
            out << theme << ": cannot be played\n";
            continue;
        }
        PreviewPlayer player;
        if (!sound)
            player.setAudioDevice(QAudioDeviceInfo()); // the wall clock, as without a sound card
        player.play(played, played->templateDescription(), size, 0);
        runUntil([&] { return player.framesShown() > 0; }, 10000);
        const qint64 start = player.firstFrameMs();
        QElapsedTimer playing;
        playing.start();
        runUntil([&] { return player.frameIndex() >= 600 || player.atEnd(); }, 30000);
        if (sound)
            out << "  sound: "
                << (player.soundProblem().isEmpty() ? "playing" : player.soundProblem())
                << "; 600 frames (20.0 s) took " << playing.elapsed() / 1000.0 << " s\n";
        int shown = player.framesShown();
        int dropped = player.framesDropped();
        int late = player.framesLate();
        player.seek(3);
        runUntil([&] { return player.framesShown() > 0; }, 10000);
        const qint64 seek = player.firstFrameMs();
        const int from = player.frameIndex();
        runUntil([&] { return player.frameIndex() >= from + 150 || player.atEnd(); }, 15000);
        shown += player.framesShown();
        dropped += player.framesDropped();
        late += player.framesLate();
        out << qSetFieldWidth(5) << theme << qSetFieldWidth(0) << "  " << qSetFieldWidth(8) << start
            << qSetFieldWidth(0) << "  " << qSetFieldWidth(7) << seek << qSetFieldWidth(0) << "  "
            << qSetFieldWidth(5) << shown << qSetFieldWidth(0) << "  " << qSetFieldWidth(7)
            << dropped << qSetFieldWidth(0) << "  " << qSetFieldWidth(9)
            << QString::number(100.0 * dropped / qMax(1, shown + dropped), 'f', 2)
            << qSetFieldWidth(0) << "  " << qSetFieldWidth(4) << late << qSetFieldWidth(0) << "\n";
        out.flush();
    }

    out << "seeking and closing during scene openings with 24-megapixel photos\n";
    out << "theme  longest GUI stall ms\n";
    double longest = 0;
    for (int theme = 1; QFileInfo::exists(folder + QStringLiteral("/templates/%1").arg(theme));
         ++theme) {
        const QSharedPointer<Project> played = project(folder, theme, "large");
        if (!played->templateDescription() || played->scenePlan()->size() < 4)
            continue;
        PreviewPlayer player;
        player.setAudioDevice(QAudioDeviceInfo());
        longestStallMs = 0;
        // At several moments of the opening: a seek or a close lands in the middle of a decode.
        for (const int ms : {5, 15, 30, 50, 80, 120}) {
            timed([&] { player.play(played, played->templateDescription(), size, 0); });
            runUntil([] { return false; }, ms);
            timed([&] { player.seek(3); });
            runUntil([] { return false; }, ms);
            timed([&] { player.seek(1); });
            runUntil([] { return false; }, ms);
            timed([&] { player.close(); });
            runUntil([] { return false; }, 100);
        }
        out << qSetFieldWidth(5) << theme << qSetFieldWidth(0) << "  " << qSetFieldWidth(20)
            << QString::number(longestStallMs, 'f', 1) << qSetFieldWidth(0) << "\n";
        out.flush();
        longest = qMax(longest, longestStallMs);
    }
    out << "longest GUI stall: " << QString::number(longest, 'f', 1) << " ms\n";
    return 0;
}
