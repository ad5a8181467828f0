// Opening the program with a long history: 50 saved projects (21 slides each, with previews) and,
// newest of all, a project of 500 camera photos (4000x3000 JPEG with EXIF previews). Starts the
// real window (offscreen, Qt Quick's software renderer) in a process of its own and prints:
// the time from the start of main() to the window's first frame; then, after resuming the big
// project the way the start screen's button does, the time the GUI thread spent in the call, the
// time until every row shows a preview and until every row has its full thumbnail; and the
// longest pause of the GUI thread's event loop over the whole run.
#include "ExifBuilder.h"
#include "ThemeFixture.h"
#include "app/AppWiring.h"
#include "app/ProjectPres.h"
#include "app/SavedProjectsPres.h"
#include "base/SharedTypes.h"
#include "images/ThumbGenerator.h"
#include "images/ThumbGeneratorTask.h"
#include "media/LibavInit.h"
#include "project/ImgSlide.h"
#include "project/TextSlide.h"

#include <QApplication>
#include <QDir>
#include <QElapsedTimer>
#include <QFile>
#include <QProcess>
#include <QQmlApplicationEngine>
#include <QQuickStyle>
#include <QQuickWindow>
#include <QSet>
#include <QTemporaryDir>
#include <QTextStream>
#include <QThread>
#include <QTimer>

#include <unistd.h>

namespace {

constexpr int kProjects = 50;
constexpr int kBigProject = 500;

QTextStream out(stdout);

// Lets the thumbnail generator finish everything the saves asked for.
void waitForPreviews()
{
    QElapsedTimer idle;
    idle.start();
    while (idle.elapsed() < 1500) {
        QCoreApplication::processEvents(QEventLoop::AllEvents, 50);
        if (ThumbGenerator::instance()->runningWorkers() > 0)
            idle.restart();
    }
}

int prepare(const QString& folder)
{
    QDir::setCurrent(folder);
    ThemeFixture::write("templates", ThemeFixture::photoAndText(1, "Summer"));
    QImage tile(320, 180, QImage::Format_RGB32);
    tile.fill(QColor(40, 90, 140));
    tile.save("templates/1/thumb.jpg"); // the theme list's tile
    QDir().mkpath("photos");
    const QByteArray bytes = ExifBuilder::cameraPhoto();
    QFile first("photos/photo-000.jpg");
    if (!first.open(QIODevice::WriteOnly) || first.write(bytes) != bytes.size())
        return 1;
    first.close();
    QStringList photos = {QDir::current().absoluteFilePath("photos/photo-000.jpg")};
    // Hard links: 500 distinct files to the program, one photo on disk.
    for (int i = 1; i < kBigProject; ++i) {
        const QString path = QDir::current().absoluteFilePath(
            QStringLiteral("photos/photo-%1.jpg").arg(i, 3, 10, QChar('0')));
        if (::link(QFile::encodeName(photos[0]).constData(), QFile::encodeName(path).constData()) !=
            0)
            return 1;
        photos << path;
    }
    for (int p = 0; p <= kProjects; ++p) {
        const bool big = p == kProjects;
        auto project = QSharedPointer<Project>::create();
        project->setThemeId(1);
        QVector<QSharedPointer<Slide>> slides;
        const int count = big ? kBigProject : 20;
        for (int i = 0; i < count; ++i)
            slides << QSharedPointer<ImgSlide>::create(photos[(p * 10 + i) % kBigProject]);
        slides.insert(1, QSharedPointer<TextSlide>::create(QStringLiteral("Day %1").arg(p)));
        project->setSlides(slides);
        if (big)
            QThread::sleep(1); // saved last, shown first
        if (SavedProjectsPres::instance()->saveProject(project).isEmpty())
            return 1;
        waitForPreviews();
    }
    return 0;
}

int open(const QString& folder, const QElapsedTimer& sinceStart)
{
    QDir::setCurrent(folder);
    QQuickStyle::setStyle(QStringLiteral("qrc:/UiStyle"));
    QQuickWindow::setSceneGraphBackend(QSGRendererInterface::Software);
    QQmlApplicationEngine engine;
    AppWiring::wire(engine, 1.0);

    // The event loop's longest pause: a timer that should fire every 10 ms.
    qint64 longestPause = 0;
    QElapsedTimer tick;
    tick.start();
    QTimer heartbeat;
    QObject::connect(&heartbeat, &QTimer::timeout,
                     [&] { longestPause = qMax(longestPause, tick.restart()); });
    heartbeat.start(10);

    engine.load(QUrl(QStringLiteral("qrc:/main.qml")));
    auto* window = qobject_cast<QQuickWindow*>(engine.rootObjects().value(0));
    if (!window)
        return 1;
    qint64 firstFrame = -1;
    QObject::connect(window, &QQuickWindow::frameSwapped, [&] {
        if (firstFrame < 0)
            firstFrame = sinceStart.elapsed();
    });
    QElapsedTimer wait;
    wait.start();
    while (firstFrame < 0 && wait.elapsed() < 30000)
        QCoreApplication::processEvents(QEventLoop::AllEvents, 10);
    // The start screen settles (its saved-project previews load) before the user clicks.
    while (wait.elapsed() < firstFrame + 1500)
        QCoreApplication::processEvents(QEventLoop::AllEvents, 10);
    const qint64 startScreenPause = longestPause;

    QSet<QString> previews;
    QSet<QString> full;
    QElapsedTimer sinceResume;
    qint64 previewsMs = -1;
    qint64 fullMs = -1;
    QObject::connect(ThumbGenerator::instance(), &ThumbGenerator::generated,
                     [&](ThumbGeneratorTask task, QSharedPointer<QImage>) {
                         if (previews.contains(task.path))
                             full.insert(task.path);
                         previews.insert(task.path);
                         if (previewsMs < 0 && previews.size() >= kBigProject)
                             previewsMs = sinceResume.elapsed();
                         if (fullMs < 0 && full.size() >= kBigProject)
                             fullMs = sinceResume.elapsed();
                     });
    longestPause = 0;
    tick.restart();
    sinceResume.start();
    // What the start screen's "Resume project" button does.
    ProjectPres::instance()->loadPrj(0);
    const qint64 resumeCall = sinceResume.elapsed();
    QMetaObject::invokeMethod(window, "navigate", Q_ARG(QVariant, QStringLiteral("MainScreen")));
    while (fullMs < 0 && sinceResume.elapsed() < 120000)
        QCoreApplication::processEvents(QEventLoop::AllEvents, 10);
    out << firstFrame << " " << startScreenPause << " " << resumeCall << " " << previewsMs << " "
        << fullMs << " " << longestPause << "\n";
    return 0;
}

// Runs this program in another mode; its printed fields, or false when it failed.
bool child(const QStringList& args, QStringList* fields = nullptr)
{
    QProcess process;
    process.setProcessChannelMode(QProcess::ForwardedErrorChannel);
    process.start(QCoreApplication::applicationFilePath(), args);
    process.waitForFinished(-1);
    if (process.exitStatus() != QProcess::NormalExit || process.exitCode() != 0)
        return false;
    if (fields)
        *fields = QString::fromUtf8(process.readAllStandardOutput()).trimmed().split(' ');
    return true;
}

} // namespace

int main(int argc, char* argv[])
{
    QElapsedTimer sinceStart;
    sinceStart.start();
    qputenv("QT_QPA_PLATFORM", "offscreen");
    initLibav();
    registerSharedMetaTypes();
    registerThumbGeneratorTask();
    QApplication app(argc, argv);
    QCoreApplication::setOrganizationName(QStringLiteral("Merrowdale"));
    QCoreApplication::setApplicationName(QStringLiteral("Lumavive"));
    const QStringList args = app.arguments();
    if (args.size() == 3 && args[1] == "--prepare")
        return prepare(args[2]);
    if (args.size() == 3 && args[1] == "--open")
        return open(args[2], sinceStart);

    QTemporaryDir dir;
    // Every child finds its projects and settings here, never in the user's own folders.
    for (const char* name : {"HOME", "XDG_DATA_HOME", "XDG_CONFIG_HOME", "XDG_CACHE_HOME"})
        qputenv(name, QFile::encodeName(dir.filePath(QString::fromLatin1(name))));
    out << "preparing " << kProjects << " saved projects and one of " << kBigProject
        << " photos (4000x3000 JPEG with EXIF previews)...\n";
    out.flush();
    if (!child({"--prepare", dir.path()})) {
        out << "cannot prepare the projects\n";
        return 1;
    }
    out << "run  first frame ms  start-screen pause ms  resume call ms  all previews ms  "
           "all thumbnails ms  longest pause ms\n";
    for (int run = 1; run <= 3; ++run) {
        QStringList r;
        if (!child({"--open", dir.path()}, &r) || r.size() != 6) {
            out << "the window did not start\n";
            return 1;
        }
        out << qSetFieldWidth(3) << run << qSetFieldWidth(16) << r[0] << qSetFieldWidth(23) << r[1]
            << qSetFieldWidth(16) << r[2] << qSetFieldWidth(17) << r[3] << qSetFieldWidth(19)
            << r[4] << qSetFieldWidth(18) << r[5] << qSetFieldWidth(0) << "\n";
        out.flush();
    }
    return 0;
}
