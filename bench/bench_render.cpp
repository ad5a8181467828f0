// The render benchmark: a standard project (12 photos of 12 megapixels, two text slides, 60 s of
// music) on a theme with a 1080p H.264 video background and scene overlaps, and on a theme with a
// still background, rendered at 720p and 1080p, and at 720p the video theme with HD copies of its
// backgrounds ("vid+hd"), and that theme with tilted slots, two in one scene ("tilted"). Prints
// frames per second, peak memory (each render in a process of its own), and, in the same run, how
// fast ffmpeg encodes the same output (every frame, decoded to raw pictures beforehand, and the
// same music) with the same encoders and settings: the encode-only baseline. Then the same project
// with 120 photos, to show that memory does not grow with the project. Then a theme as a server
// might send one, against the transcode floor of its backgrounds as well (--server: that alone).
// With --themes: the built-in themes, and the size each of their photo slots prepares a
// 12-megapixel photo at.
#include "MediaFixtures.h"
#include "ThemeFixture.h"
#include "engine/LibavRender.h"
#include "media/LibavInit.h"
#include "project/ImgSlide.h"
#include "project/Project.h"
#include "project/TextSlide.h"
#include "scene/ObjectLayer.h"
#include "templates/ImgScene.h"
#include "templates/TemplateParser.h"

#include <QDir>
#include <QElapsedTimer>
#include <QFile>
#include <QFileInfo>
#include <QGuiApplication>
#include <QPainter>
#include <QProcess>
#include <QTemporaryDir>
#include <QTextStream>

#include <sys/resource.h>

namespace {

QTextStream out(stdout);
// The theme as a server might send it (writeServerTheme()).
constexpr int kServerTheme = 5;

// Child mode: renders and prints "frames seconds peakKiB".
int renderOnce(const QStringList& args)
{
    const QString folder = args[0];
    const int theme = args[1].toInt();
    const int photos = args[2].toInt();
    const bool fullHd = args[3] == "1";
    const QString output = args[4];
    QDir::setCurrent(folder);
    auto project = QSharedPointer<Project>::create();
    UserData settings;
    settings.quality = fullHd ? 1 : 0;
    project->setUserData(settings);
    project->setThemeId(theme);
    project->setAudio({MediaFileInfo::fromFile(folder + "/music.m4a")});
    QVector<QSharedPointer<Slide>> slides;
    for (int i = 0; i < photos; ++i) {
        if (i == 4 && theme != kServerTheme)
            slides << QSharedPointer<TextSlide>::create("A summer by the lake");
        if (i == 9 && theme != kServerTheme)
            slides << QSharedPointer<TextSlide>::create("Thank you for watching");
        slides << QSharedPointer<ImgSlide>::create(folder + QStringLiteral("/photo-%1.jpg").arg(i));
    }
    project->setSlides(slides);
    LibavRender engine(project, project->templateDescription(), output);
    int frames = 0;
    QObject::connect(&engine, &LibavRender::progress,
                     [&](QSharedPointer<QImage>, double) { ++frames; });
    QElapsedTimer timer;
    timer.start();
    if (!engine.render()) {
        out << "render failed\n";
        return 1;
    }
    rusage usage{};
    getrusage(RUSAGE_SELF, &usage);
    out << frames << " " << timer.nsecsElapsed() / 1e9 << " " << usage.ru_maxrss << "\n";
    return 0;
}

// A theme as a theme server might send one, not made by our builder: two photo scenes on 1080p
// backgrounds that x264 encoded with ordinary settings (High profile, B-frames, CABAC, about
// 8 Mbit/s, veryfast) from ffmpeg's own test sources; in one a tilted slot drifts on every
// frame, in the other a slot turns on every frame, each with a border and a shadow. Overlap and
// fades of 15 frames. Its projects take photos only (kServerTheme).
bool writeServerTheme(const QString& folder)
{
    const QStringList sources = {"testsrc2=size=1920x1080:rate=30",
                                 "testsrc2=size=1920x1080:rate=30,hue=h=140,noise=alls=12:allf=t"};
    ThemeFixture::ThemeSpec server;
    server.id = kServerTheme;
    server.fadeIn = 15;
    server.fadeOut = 15;
    server.sceneOverflow = 15;
    for (int k = 0; k < 2; ++k) {
        const QString file = folder + QStringLiteral("/server-%1.mp4").arg(k + 1);
        if (QProcess::execute(
                "ffmpeg", {"-v",         "error", "-f",       "lavfi",   "-i",       sources[k],
                           "-frames:v",  "150",   "-c:v",     "libx264", "-preset",  "veryfast",
                           "-profile:v", "high",  "-b:v",     "8M",      "-maxrate", "8M",
                           "-bufsize",   "16M",   "-pix_fmt", "yuv420p", "-y",       file}) != 0)
            return false;
        ThemeFixture::SceneSpec scene;
        scene.id = k + 1;
        scene.frames = 150;
        scene.video = true;
        scene.videoFile = file;
        scene.aspect = 1.5f;
        scene.objectAttributes =
            QStringLiteral("shadow=\"0.3,0.45 1.5 0,0,0,150\" "
                           "border-width=\"0.012\" border-color=\"255,255,255\"");
        if (k == 0) {
            scene.corners = {QPolygonF({{0.12, 0.18}, {0.56, 0.12}, {0.54, 0.84}, {0.14, 0.8}})};
            scene.drift = 0.0015;
        } else {
            scene.slot = QRectF(0.3, 0.22, 0.4, 0.56);
            scene.turn = 0.25;
        }
        server.scenes << scene;
    }
    return ThemeFixture::write(folder + "/templates", server);
}

bool prepare(const QString& folder)
{
    QDir::setCurrent(folder);
    const QImage photo = MediaFixtures::cameraPhoto();
    const QString first = folder + "/photo-0.jpg";
    photo.save(first, "JPG", 90);
    for (int i = 1; i < 120; ++i)
        QFile::copy(first, folder + QStringLiteral("/photo-%1.jpg").arg(i));
    MediaFixtures::AudioSpec music;
    music.seconds = 60.0;
    if (!MediaFixtures::writeAudio(folder + "/music.m4a", music))
        return false;

    ThemeFixture::SceneSpec one;
    one.id = 1;
    one.frames = 150;
    one.slot = QRectF(0.15, 0.12, 0.7, 0.76);
    one.aspect = 1.3f;
    ThemeFixture::SceneSpec two = one;
    two.id = 2;
    two.objects = 2;
    two.slot = QRectF(0.1, 0.2, 0.38, 0.5);
    ThemeFixture::SceneSpec text = one;
    text.id = 3;
    text.type = 2;
    text.frames = 90;
    ThemeFixture::ThemeSpec video;
    video.id = 1;
    video.fadeIn = 15;
    video.fadeOut = 30;
    video.sceneOverflow = 15;
    for (ThemeFixture::SceneSpec scene : {one, two, text}) {
        scene.video = true;
        scene.videoWidth = 1920;
        scene.videoHeight = 1080;
        video.scenes << scene;
    }
    ThemeFixture::ThemeSpec still = video;
    still.id = 2;
    still.scenes = {one, two, text};
    // The video theme again, with the 1280x720 copies of its backgrounds that HD renders take.
    ThemeFixture::ThemeSpec withCopies = video;
    withCopies.id = 3;
    for (ThemeFixture::SceneSpec& scene : withCopies.scenes)
        scene.hdCopy = scene.background;
    // The video theme with HD copies and tilted (perspective) slots: one in the first scene, two
    // side by side in the second.
    ThemeFixture::ThemeSpec tilted = withCopies;
    tilted.id = 4;
    tilted.scenes[0].corners = {QPolygonF({{0.2, 0.14}, {0.8, 0.08}, {0.78, 0.9}, {0.22, 0.84}})};
    tilted.scenes[1].corners = {QPolygonF({{0.06, 0.2}, {0.46, 0.26}, {0.46, 0.74}, {0.06, 0.8}}),
                                QPolygonF({{0.54, 0.26}, {0.94, 0.2}, {0.94, 0.8}, {0.54, 0.74}})};
    return ThemeFixture::write(folder + "/templates", video) &&
           ThemeFixture::write(folder + "/templates", still) &&
           ThemeFixture::write(folder + "/templates", withCopies) &&
           ThemeFixture::write(folder + "/templates", tilted) && writeServerTheme(folder);
}

QStringList child(const QString& self, const QString& folder, int theme, int photos, bool fullHd,
                  const QString& output)
{
    QProcess process;
    process.setProcessChannelMode(QProcess::ForwardedErrorChannel);
    process.start(self, {"--render", folder, QString::number(theme), QString::number(photos),
                         fullHd ? "1" : "0", output});
    process.waitForFinished(-1);
    return QString::fromUtf8(process.readAllStandardOutput()).trimmed().split(' ');
}

// ffmpeg's arguments for the second input, the music, encoded as our output encodes it.
QStringList musicArgs(const QString& folder)
{
    return {"-i",         folder + "/music.m4a",
            "-map",       "0:v",
            "-map",       "1:a",
            "-c:a",       "aac",
            "-aac_coder", "fast",
            "-b:a",       "192k",
            "-ar",        "44100",
            "-ac",        "2"};
}

// ffmpeg's arguments for our picture encoder's settings.
QStringList x264Args()
{
    return {"-c:v", "libx264", "-preset", "superfast", "-crf", "20"};
}

// Frames per second of an ffmpeg run that writes `frames` frames into `output` (removed
// afterwards); 0 when it fails.
double encodingSpeed(const QStringList& args, const QString& output, int frames)
{
    QElapsedTimer timer;
    timer.start();
    const int result = QProcess::execute("ffmpeg", QStringList(args) << "-y" << output);
    const double seconds = timer.nsecsElapsed() / 1e9;
    QFile::remove(output);
    return result == 0 ? frames / seconds : 0.0;
}

struct Baseline
{
    double withMusic = 0; // frames per second, 0 without ffmpeg
    double videoOnly = 0;
};

// Encode-only baselines: every frame of our output, decoded to raw YUV beforehand (it stays in
// the page cache), encoded by ffmpeg into an MP4 with x264 superfast CRF 20, once with the same
// music as AAC 192 kb/s with the same coder (the whole output) and once without it (the
// picture alone).
Baseline baseline(const QString& video, const QString& folder, bool fullHd, int frames)
{
    const QString raw = folder + "/frames.yuv";
    if (QProcess::execute("ffmpeg", {"-v", "error", "-i", video, "-f", "rawvideo", "-pix_fmt",
                                     "yuv420p", "-y", raw}) != 0)
        return {};
    const auto encode = [&](bool music) {
        QStringList args = {"-v",       "error",   "-f", "rawvideo",
                            "-pix_fmt", "yuv420p", "-s", fullHd ? "1920x1080" : "1280x720",
                            "-r",       "30",      "-i", raw};
        if (music)
            args << musicArgs(folder) << "-shortest";
        args << x264Args();
        return encodingSpeed(args, folder + "/baseline.mp4", frames);
    };
    Baseline figures;
    figures.withMusic = encode(true);
    figures.videoOnly = encode(false);
    QFile::remove(raw);
    return figures;
}

// The transcode floor of the server theme: what any renderer of it pays at least. ffmpeg
// decodes its backgrounds in the plan's order (the scenes take turns, one photo each), scales
// them to the output size and encodes them with our x264 settings for as many frames as our
// video has; with `music`, it also encodes the same music as AAC, as our output has it (ffmpeg
// does that on its main thread, between the pictures, so it costs the floor more than it costs
// us).
double transcodeFloor(const QString& folder, bool fullHd, int frames, int scenes, bool music)
{
    QFile list(folder + "/floor.txt");
    if (!list.open(QIODevice::WriteOnly))
        return 0.0;
    for (int k = 0; k < scenes; ++k)
        list.write(QStringLiteral("file '%1/server-%2.mp4'\n").arg(folder).arg(k % 2 + 1).toUtf8());
    list.close();
    QStringList args = {"-v", "error", "-f", "concat", "-safe", "0", "-i", list.fileName()};
    if (music)
        args << musicArgs(folder);
    args << "-t" << QString::number(frames / 30.0) << "-vf"
         << (fullHd ? "scale=1920:1080" : "scale=1280:720") << "-pix_fmt"
         << "yuv420p" << x264Args() << "-x264-params"
         << "sync-lookahead=1";
    return encodingSpeed(args, folder + "/floor.mp4", frames);
}

QString ratio(double fps, double base)
{
    return base > 0 ? QString::number(fps / base, 'f', 2) : QStringLiteral("-");
}

// The built-in themes at 1080p with the same 12 photos, texts and music: each one's render
// against its own encode-only baseline. The themes come from the build tree (or
// LUMAVIVE_THEMES_DIR).
// Each photo slot's prepared photo for a 12-megapixel photo at 1080p: how much of the photo a
// render keeps in memory per slot.
void preparedPhotos(const QString& themes, const QString& photo)
{
    out << "prepared photos at 1080p (a 4000x3000 photo): theme scene slot: size, pan and zoom\n";
    const auto slide = QSharedPointer<ImgSlide>::create(photo);
    for (int theme = 1; QFileInfo::exists(themes + QStringLiteral("/%1").arg(theme)); ++theme) {
        QFile file(themes + QStringLiteral("/%1/template.xml").arg(theme));
        if (!file.open(QIODevice::ReadOnly))
            continue;
        const auto description = TemplateParser::parse(&file, theme);
        for (auto scene = description->scenes->cbegin(); scene != description->scenes->cend();
             ++scene) {
            if ((*scene)->type != Scene::ImageSlides)
                continue;
            const auto& objects = *scene->staticCast<ImgScene>()->objects;
            for (auto object = objects.cbegin(); object != objects.cend(); ++object) {
                const ObjectLayer layer(*object, slide, 1920, 1080);
                const QSize size = layer.preparedSize();
                out << "  " << theme << " " << scene.key() << " " << object.key() << ": "
                    << size.width() << "x" << size.height()
                    << ((*object)->panZoom.enabled ? ", yes" : ", no") << "\n";
            }
        }
    }
    out.flush();
}

int builtInThemes(const QString& folder)
{
    QString themes = qEnvironmentVariable("LUMAVIVE_THEMES_DIR");
    if (themes.isEmpty())
        themes = QCoreApplication::applicationDirPath() + "/../share/lumavive/themes";
    const QString project = folder + "/built-in";
    if (!QDir().mkpath(project) ||
        !QFile::link(QDir(themes).absolutePath(), project + "/templates") ||
        !QFile::link(folder + "/music.m4a", project + "/music.m4a"))
        return 1;
    for (int i = 0; i < 12; ++i)
        QFile::link(folder + QStringLiteral("/photo-%1.jpg").arg(i),
                    project + QStringLiteral("/photo-%1.jpg").arg(i));
    preparedPhotos(themes, folder + "/photo-0.jpg");
    out << "built-in themes at 1080p, 12 photos of 12 megapixels, 2 texts, 60 s music\n";
    out << "theme  frames  render fps  encode-only fps  ratio  real-time  peak MiB\n";
    // --only N measures one theme.
    const QStringList args = QCoreApplication::arguments();
    const int only =
        args.indexOf("--only") > 0 ? args.value(args.indexOf("--only") + 1).toInt() : 0;
    for (int theme = 1; QFileInfo::exists(themes + QStringLiteral("/%1").arg(theme)); ++theme) {
        if (only && theme != only)
            continue;
        const QString video = folder + "/out.mp4";
        const QStringList r =
            child(QCoreApplication::applicationFilePath(), project, theme, 12, true, video);
        if (r.size() != 3) {
            out << theme << ": render failed: " << r.join(' ') << "\n";
            continue;
        }
        const double fps = r[0].toDouble() / r[1].toDouble();
        const Baseline encode = baseline(video, folder, true, r[0].toInt());
        out << qSetFieldWidth(5) << theme << qSetFieldWidth(0) << "  " << qSetFieldWidth(6) << r[0]
            << qSetFieldWidth(0) << "  " << qSetFieldWidth(10) << QString::number(fps, 'f', 1)
            << qSetFieldWidth(0) << "  " << qSetFieldWidth(15)
            << QString::number(encode.withMusic, 'f', 1) << qSetFieldWidth(0) << "  "
            << qSetFieldWidth(5) << ratio(fps, encode.withMusic) << qSetFieldWidth(0) << "  "
            << qSetFieldWidth(9) << QString::number(fps / 30.0, 'f', 2) + "x" << qSetFieldWidth(0)
            << "  " << qSetFieldWidth(8) << r[2].toLong() / 1024 << qSetFieldWidth(0) << "\n";
        out.flush();
    }
    return 0;
}

// The server theme with six photos at both sizes: against the encode-only baseline and against
// the transcode floor. With `runs` above 1 our render and the two floors take turns that many
// times and the fastest of each counts: this machine's speed drifts within minutes, and a pair
// of single runs can differ by a fifth.
void serverTheme(const QString& folder, int runs)
{
    out << "server theme (x264 veryfast 8 Mbit/s 1080p backgrounds, a drifting tilted slot and a "
           "turning slot, borders and shadows), 6 photos";
    if (runs > 1)
        out << ", fastest of " << runs << " runs taking turns";
    out << "\nsize   frames  render fps  encode-only fps  ratio  floor fps  ratio  "
           "floor with music fps  ratio  real-time  peak MiB\n";
    for (bool fullHd : {false, true}) {
        const QString video = folder + "/out.mp4";
        QStringList r;
        double fps = 0;
        double floor = 0;
        double floorWithMusic = 0;
        Baseline encode;
        for (int run = 0; run < runs; ++run) {
            const QStringList once = child(QCoreApplication::applicationFilePath(), folder,
                                           kServerTheme, 6, fullHd, video);
            if (once.size() != 3) {
                out << "render failed: " << once.join(' ') << "\n";
                return;
            }
            const double onceFps = once[0].toDouble() / once[1].toDouble();
            if (onceFps > fps) {
                r = once;
                fps = onceFps;
            }
            if (run == 0)
                encode = baseline(video, folder, fullHd, once[0].toInt());
            floor = qMax(floor, transcodeFloor(folder, fullHd, once[0].toInt(), 6, false));
            floorWithMusic =
                qMax(floorWithMusic, transcodeFloor(folder, fullHd, once[0].toInt(), 6, true));
        }
        out << (fullHd ? "1080p " : "720p  ") << qSetFieldWidth(7) << r[0] << qSetFieldWidth(0)
            << "  " << qSetFieldWidth(10) << QString::number(fps, 'f', 1) << qSetFieldWidth(0)
            << "  " << qSetFieldWidth(15) << QString::number(encode.withMusic, 'f', 1)
            << qSetFieldWidth(0) << "  " << qSetFieldWidth(5) << ratio(fps, encode.withMusic)
            << qSetFieldWidth(0) << "  " << qSetFieldWidth(9) << QString::number(floor, 'f', 1)
            << qSetFieldWidth(0) << "  " << qSetFieldWidth(5) << ratio(fps, floor)
            << qSetFieldWidth(0) << "  " << qSetFieldWidth(20)
            << QString::number(floorWithMusic, 'f', 1) << qSetFieldWidth(0) << "  "
            << qSetFieldWidth(5) << ratio(fps, floorWithMusic) << qSetFieldWidth(0) << "  "
            << qSetFieldWidth(9) << QString::number(fps / 30.0, 'f', 2) + "x" << qSetFieldWidth(0)
            << "  " << qSetFieldWidth(8) << r[2].toLong() / 1024 << qSetFieldWidth(0) << "\n";
        out.flush();
    }
}

} // namespace

int main(int argc, char* argv[])
{
    qputenv("QT_QPA_PLATFORM", "offscreen");
    initLibav();
    QGuiApplication app(argc, argv);
    const QStringList args = app.arguments();
    if (args.size() == 7 && args[1] == "--render")
        return renderOnce(args.mid(2));

    QTemporaryDir dir;
    dir.setAutoRemove(qEnvironmentVariableIsEmpty("LUMAVIVE_BENCH_KEEP"));
    const QString folder = dir.path();
    out << "preparing 120 photos (4000x3000), 60 s of music and five themes...\n";
    out.flush();
    if (!prepare(folder)) {
        out << "cannot prepare the benchmark's media\n";
        return 1;
    }
    if (args.contains("--themes"))
        return builtInThemes(folder);
    // --runs N: the server theme's render and floors N times each, taking turns.
    const int runs =
        args.indexOf("--runs") > 0 ? qMax(1, args.value(args.indexOf("--runs") + 1).toInt()) : 1;
    if (args.contains("--server")) {
        serverTheme(folder, runs);
        return 0;
    }
    out << "project: 12 photos, 2 texts, 60 s music\n";
    out << "theme    size   frames  render fps  encode-only fps  ratio  video-only fps  ratio  "
           "real-time  peak MiB\n";
    for (int theme : {1, 2, 3, 4}) {
        for (bool fullHd : {false, true}) {
            if (theme == 3 && fullHd)
                continue; // Full HD renders do not take the HD copies
            const QString video = folder + "/out.mp4";
            const QStringList r =
                child(QCoreApplication::applicationFilePath(), folder, theme, 12, fullHd, video);
            if (r.size() != 3) {
                out << "render failed: " << r.join(' ') << "\n";
                return 1;
            }
            const double fps = r[0].toDouble() / r[1].toDouble();
            const Baseline encode = baseline(video, folder, fullHd, r[0].toInt());
            out << (theme == 1   ? "video "
                    : theme == 2 ? "still "
                    : theme == 3 ? "vid+hd"
                                 : "tilted")
                << (fullHd ? "  1080p " : "  720p  ") << qSetFieldWidth(7) << r[0]
                << qSetFieldWidth(0) << "  " << qSetFieldWidth(10) << QString::number(fps, 'f', 1)
                << qSetFieldWidth(0) << "  " << qSetFieldWidth(15)
                << QString::number(encode.withMusic, 'f', 1) << qSetFieldWidth(0) << "  "
                << qSetFieldWidth(5) << ratio(fps, encode.withMusic) << qSetFieldWidth(0) << "  "
                << qSetFieldWidth(14) << QString::number(encode.videoOnly, 'f', 1)
                << qSetFieldWidth(0) << "  " << qSetFieldWidth(5) << ratio(fps, encode.videoOnly)
                << qSetFieldWidth(0) << "  " << qSetFieldWidth(8)
                << QString::number(fps / 30.0, 'f', 2) + "x" << qSetFieldWidth(0) << "  "
                << qSetFieldWidth(8) << r[2].toLong() / 1024 << qSetFieldWidth(0) << "\n";
            out.flush();
        }
    }
    out << "goals: ratio >= 0.8, 1080p real-time >= 1.5x on 2 cores, peak below 400 MB (381 "
           "MiB)\n";
    serverTheme(folder, runs);
    for (int photos : {12, 120}) {
        const QStringList r = child(QCoreApplication::applicationFilePath(), folder, 1, photos,
                                    true, folder + "/mem.mp4");
        out << "peak memory, 1080p, video theme, " << photos
            << " photos: " << (r.size() == 3 ? r[2].toLong() / 1024 : -1) << " MiB\n";
    }
    return 0;
}
