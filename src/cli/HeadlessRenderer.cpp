#include "cli/HeadlessRenderer.h"

#include "base/AtomicFile.h"
#include "base/CommonError.h"
#include "base/Failure.h"
#include "base/ServiceConfig.h"
#include "cli/ConsoleProgress.h"
#include "cli/InterruptGuard.h"
#include "cli/ThemeFetcher.h"
#include "engine/FrameGrab.h"
#include "engine/LibavRender.h"
#include "engine/PlanPlayer.h"
#include "media/BeatCache.h"
#include "media/MediaFileInfo.h"
#include "project/ImgSlide.h"
#include "project/PictureFolder.h"
#include "project/Project.h"
#include "project/ProjectFile.h"
#include "project/TextSlide.h"
#include "templates/TemplateCatalog.h"
#include "templates/TemplateParser.h"
#include "templates/TmplDownloadManager.h"

#include <QCoreApplication>
#include <QFileInfo>
#include <QSettings>
#include <QTemporaryFile>

#include <cstdio>
#include <unistd.h>

struct HeadlessRenderer::Request
{
    QString project; // a saved project's folder or "prj.xml"
    int theme = -1;
    QList<QPair<QString, QString>> slides; // ("photo" | "folder" | "text", value) in order
    QStringList music;
    bool fullHd = false;
    QString output;
    int frame = -1;  // --frame: one frame as a picture instead of the video
    QSize size;      // --size, for --frame
    int pace = -1;   // --pace: seconds a photo rests; -1 for the project's own
    bool fit = true; // --no-fit: the holds stay at the pace even with music
    int beat = -1;   // --beat 1, --no-beat 0: cuts on the music's beats; -1 for the project's own
};

HeadlessRenderer::HeadlessRenderer(QTextStream& out, QTextStream& err) : out(out), err(err) {}

QString HeadlessRenderer::usage()
{
    return QStringLiteral(
        "Usage: lumavive-render --theme ID [--photo FILE]... [--folder DIR]... [--text TEXT]...\n"
        "                       [--music FILE]... [--pace SECONDS] [--no-fit] [--no-beat]\n"
        "                       [--full-hd] -o OUT.mp4\n"
        "       lumavive-render PROJECT_FOLDER_OR_PRJ_XML [--beat | --no-beat] [--full-hd] -o "
        "OUT.mp4\n"
        "       lumavive-render (--theme ID ... | PROJECT) --frame N [--size WxH] -o FRAME.png\n"
        "       lumavive-render --list-themes | --help | --version\n"
        "Renders a slideshow with an installed theme: from ./templates/ when the working folder "
        "has\n"
        "one, else $LUMAVIVE_THEMES_DIR, lumavive/themes in the data folders ($XDG_DATA_HOME,\n"
        "$XDG_DATA_DIRS), or ../share/lumavive/themes beside the program. Missing background "
        "videos\n"
        "are first downloaded from the theme server named by LUMAVIVE_THEME_SERVER. Slides follow "
        "the order of the\n"
        "--photo, --folder and --text arguments; music tracks play in --music order. A saved\n"
        "project renders with whatever of its photos and music still exist. --frame writes frame\n"
        "N (from 0) of the video as a picture, as the video would show it, at WxH (16 to 3840\n"
        "pixels a side; the video's size by default). With music, the scenes' holds stretch or\n"
        "shorten so that the video ends with the music; --no-fit keeps them at the pace. --pace\n"
        "sets the seconds a photo rests (1 to 8; the theme's own by default). With music, the\n"
        "scenes change on its beats (found once per song and kept in the user's cache folder);\n"
        "--no-beat leaves the cuts where the pace and the fit put them, --beat turns the beat\n"
        "cuts on for a saved project that had them off.\n"
        "Exit codes: 0 success, 1 render failure or interruption, 2 bad usage or input.\n");
}

void HeadlessRenderer::fail(const QString& message)
{
    err << "lumavive-render: " << message << "\n";
    err.flush();
}

bool HeadlessRenderer::parse(const QStringList& arguments, Request* request)
{
    for (int i = 0; i < arguments.size(); ++i) {
        const QString& option = arguments[i];
        if (option == QLatin1String("--full-hd")) {
            request->fullHd = true;
            continue;
        }
        if (option == QLatin1String("--no-fit")) {
            request->fit = false;
            continue;
        }
        if (option == QLatin1String("--beat") || option == QLatin1String("--no-beat")) {
            request->beat = option == QLatin1String("--beat") ? 1 : 0;
            continue;
        }
        const QStringList withValue = {"--theme", "--photo", "--folder", "--text", "--music",
                                       "--frame", "--size",  "--pace",   "-o"};
        if (!option.startsWith(QLatin1Char('-')) && request->project.isEmpty()) {
            request->project = option;
            continue;
        }
        if (!withValue.contains(option)) {
            fail(QStringLiteral("unknown argument \"%1\"").arg(option));
            return false;
        }
        if (i + 1 >= arguments.size()) {
            fail(QStringLiteral("%1 needs a value").arg(option));
            return false;
        }
        const QString value = arguments[++i];
        if (option == QLatin1String("--theme")) {
            bool ok = false;
            request->theme = value.toInt(&ok);
            if (!ok) {
                fail(QStringLiteral("the theme id \"%1\" is not a number").arg(value));
                return false;
            }
        } else if (option == QLatin1String("--frame")) {
            bool ok = false;
            request->frame = value.toInt(&ok);
            if (!ok || request->frame < 0) {
                fail(
                    QStringLiteral("the frame number \"%1\" is not a number from 0 on").arg(value));
                return false;
            }
        } else if (option == QLatin1String("--size")) {
            const QStringList sides = value.split(QLatin1Char('x'));
            bool wide = false;
            bool high = false;
            if (sides.size() == 2)
                request->size = QSize(sides[0].toInt(&wide), sides[1].toInt(&high));
            if (!wide || !high || request->size.width() < 16 || request->size.height() < 16 ||
                request->size.width() > 3840 || request->size.height() > 3840) {
                fail(QStringLiteral("the size \"%1\" is not WxH with sides from 16 to 3840")
                         .arg(value));
                return false;
            }
        } else if (option == QLatin1String("--pace")) {
            bool ok = false;
            request->pace = value.toInt(&ok);
            if (!ok || request->pace < Project::kMinPace || request->pace > Project::kMaxPace) {
                fail(QStringLiteral("the pace \"%1\" is not a number of seconds from %2 to %3")
                         .arg(value)
                         .arg(Project::kMinPace)
                         .arg(Project::kMaxPace));
                return false;
            }
        } else if (option == QLatin1String("--music")) {
            request->music << value;
        } else if (option == QLatin1String("-o")) {
            request->output = value;
        } else {
            request->slides.append({option.mid(2), value});
        }
    }
    if (request->output.isEmpty()) {
        fail(QStringLiteral("-o OUT.mp4 is required"));
        return false;
    }
    if (request->size.isValid() && request->frame < 0) {
        fail(QStringLiteral("--size goes with --frame"));
        return false;
    }
    if (!request->project.isEmpty()) {
        if (request->theme >= 0 || !request->slides.isEmpty() || !request->music.isEmpty()) {
            fail(QStringLiteral("a saved project brings its own theme, slides and music"));
            return false;
        }
        return true;
    }
    if (request->theme < 0) {
        fail(QStringLiteral("--theme (or a saved project) is required"));
        return false;
    }
    if (request->slides.isEmpty()) {
        fail(QStringLiteral("add at least one --photo, --folder or --text"));
        return false;
    }
    return true;
}

bool HeadlessRenderer::checkTheme(int id)
{
    TemplateCatalog* catalog = TemplateCatalog::instance();
    if (!catalog->contains(id)) {
        QStringList installed;
        for (const TemplateInfo& info : catalog->entries())
            installed << QString::number(info.id);
        fail(QStringLiteral("unknown theme %1 (installed in %2: %3)")
                 .arg(id)
                 .arg(catalog->folder())
                 .arg(installed.isEmpty() ? QStringLiteral("none") : installed.join(", ")));
        return false;
    }
    const QSharedPointer<TemplateDescription> theme = loadTemplate(id);
    if (theme->scenes->isEmpty()) {
        fail(QStringLiteral("theme %1 has no readable scenes").arg(id));
        return false;
    }
    // Missing videos are fetched before the render; without a server there is nowhere to ask.
    if (!TmplDownloadManager::instance()->isDownloaded(theme) &&
        ServiceConfig::themeServer().isEmpty()) {
        fail(QStringLiteral("theme %1 lacks background videos and no theme server is configured; "
                            "set LUMAVIVE_THEME_SERVER (or \"themeServer\" in %2) to the server's "
                            "base URL, for example http://127.0.0.1:8000")
                 .arg(id)
                 .arg(QSettings().fileName()));
        return false;
    }
    return true;
}

bool HeadlessRenderer::checkFits(const Project& project, int slides)
{
    if (project.usedSlides() == 0) {
        fail(QStringLiteral("no slide fits into theme %1: its scenes need more slides of a kind, "
                            "or the music is too short")
                 .arg(project.themeId()));
        return false;
    }
    if (project.usedSlides() < slides)
        out << project.usedSlides() << " of " << slides
            << " slides fit into the music; the rest are left out.\n";
    return true;
}

bool HeadlessRenderer::checkOutput(const QString& output)
{
    const QFileInfo target(output);
    QTemporaryFile probe(target.absolutePath() + QStringLiteral("/.lumavive-XXXXXX"));
    if (target.isDir() || !probe.open()) {
        fail(QStringLiteral("cannot write the video to %1").arg(output));
        return false;
    }
    return true;
}

bool HeadlessRenderer::loadSavedProject(const Request& request, Project* project)
{
    const QFileInfo given(request.project);
    const QString file =
        given.isDir() ? given.filePath() + QStringLiteral("/prj.xml") : given.filePath();
    if (!QFileInfo(file).isFile()) {
        fail(QStringLiteral("cannot read project %1").arg(request.project));
        return false;
    }
    QStringList missing;
    const QSharedPointer<Project> loaded = ProjectFile::readProject(file, &missing);
    for (const QString& path : missing)
        out << "missing, left out: " << path << "\n";
    if (!checkTheme(loaded->themeId()))
        return false;
    UserData settings;
    settings.quality = request.fullHd ? 1 : 0;
    project->setUserData(settings);
    project->setPace(request.pace >= 0 ? request.pace : loaded->pace());
    project->setFitsMusic(request.fit && loaded->fitsMusic());
    project->setCutsOnBeat(request.beat >= 0 ? request.beat == 1 : loaded->cutsOnBeat());
    project->setTemplateDescription(loaded->templateDescription());
    project->setAudio(loaded->audio());
    project->setSlides(loaded->slides());
    return checkFits(*project, loaded->slides().size());
}

void HeadlessRenderer::findBeats(Project* project)
{
    for (const QSharedPointer<MediaFileInfo>& track : project->audio()) {
        BeatGrid grid;
        try {
            BeatCache::find(track->path(), &grid);
        } catch (const Failure&) {
        }
        if (grid.beats.size() < 2)
            err << "lumavive-render: no beat was found in " << track->path()
                << ", so its scenes are not cut on the beat\n";
        project->setTrackBeats(track->path(), grid);
    }
}

int HeadlessRenderer::listThemes()
{
    const QList<TemplateInfo> themes = TemplateCatalog::instance()->entries();
    if (themes.isEmpty())
        out << "no themes installed in " << TemplateCatalog::instance()->folder() << "\n";
    for (const TemplateInfo& info : themes)
        out << info.id << "  " << (info.name.isEmpty() ? QStringLiteral("(unnamed)") : info.name)
            << "\n";
    return Success;
}

bool HeadlessRenderer::buildProject(const Request& request, Project* project)
{
    if (!request.project.isEmpty())
        return loadSavedProject(request, project);
    if (!checkTheme(request.theme))
        return false;
    const QSharedPointer<TemplateDescription> theme = loadTemplate(request.theme);

    QVector<QSharedPointer<Slide>> slides;
    for (const auto& [kind, value] : request.slides) {
        if (kind == QLatin1String("text")) {
            slides << QSharedPointer<TextSlide>::create(value.trimmed());
            continue;
        }
        QStringList photos{value};
        if (kind == QLatin1String("folder")) {
            if (!QFileInfo(value).isDir()) {
                fail(QStringLiteral("cannot open folder %1").arg(value));
                return false;
            }
            const PictureFolder::Scan scan = PictureFolder::scanFolder(value);
            if (scan.pictures.isEmpty()) {
                fail(QStringLiteral("no photo found in folder %1").arg(value));
                return false;
            }
            if (!scan.unreadable.isEmpty())
                err << "lumavive-render: skipped " << scan.unreadable.size() << " photo(s) of "
                    << value
                    << " that cannot be read: " << scan.unreadable.join(QStringLiteral(", "))
                    << "\n";
            photos = scan.pictures;
        }
        for (const QString& photo : photos) {
            if (!PictureFolder::canRead(photo)) {
                fail(QStringLiteral("cannot read photo %1").arg(photo));
                return false;
            }
            slides << QSharedPointer<ImgSlide>::create(QFileInfo(photo).absoluteFilePath());
        }
    }
    TrackList tracks;
    for (const QString& music : request.music) {
        try {
            tracks << MediaFileInfo::fromFile(QFileInfo(music).absoluteFilePath());
        } catch (const Failure& failure) {
            fail(failure.text());
            return false;
        }
    }

    UserData settings;
    settings.quality = request.fullHd ? 1 : 0;
    project->setUserData(settings);
    project->setTemplateDescription(theme);
    project->setAudio(tracks);
    project->setSlides(slides);
    return checkFits(*project, slides.size());
}

int HeadlessRenderer::render(const QSharedPointer<Project>& shared, const QString& output)
{
    const Project& project = *shared;
    LibavRender engine(shared, project.templateDescription(), output);
    const TemplateDescription& theme = *project.templateDescription();
    ConsoleProgress progress(out, PlanPlayer::videoFrames(project, theme), isatty(fileno(stdout)));
    QObject::connect(
        &engine, &LibavRender::progress,
        [&progress](QSharedPointer<QImage>, double percent) { progress.frameWritten(percent); });
    const QMetaObject::Connection errors = reportErrors();
    bool ok = false;
    {
        InterruptGuard guard(&engine);
        ok = engine.render();
    }
    QObject::disconnect(errors);
    progress.finish();

    if (InterruptGuard::interrupted()) {
        fail(QStringLiteral("interrupted; the partial video was deleted"));
        return RenderFailed;
    }
    if (!ok) {
        fail(QStringLiteral("the render failed; no video was written"));
        return RenderFailed;
    }
    const int frames = progress.frames();
    const double seconds = progress.seconds();
    const QSize size = project.userData().videoSize();
    out << "Wrote " << QFileInfo(output).absoluteFilePath() << ": "
        << QString::number(frames / 30.0, 'f', 1) << " s, " << size.width() << "x" << size.height()
        << ", " << QString::number(QFileInfo(output).size() / 1048576.0, 'f', 1) << " MiB, "
        << frames << " frames in " << QString::number(seconds, 'f', 1) << " s ("
        << QString::number(seconds > 0 ? frames / seconds : 0.0, 'f', 1) << " frames/s)";
    if (!project.audio().isEmpty())
        out << "; the music lasts " << QString::number(project.audioDuration(), 'f', 1) << " s";
    if (project.musicLeftOut() > 0)
        out << "; the video lasts " << QString::number(frames / 30.0, 'f', 1) << " s; the last "
            << QString::number(project.musicLeftOut(), 'f', 1) << " s of the music are left out";
    out << "\n";
    return Success;
}

QMetaObject::Connection HeadlessRenderer::reportErrors()
{
    return QObject::connect(
        CommonError::instance(), &CommonError::error, [this](const QString& message) {
            err << "error: " << QString(message).replace(QLatin1String("\r\n"), QLatin1String(" "))
                << "\n";
            err.flush();
        });
}

int HeadlessRenderer::run(const QStringList& arguments)
{
    if (arguments.contains(QLatin1String("--help")) || arguments.contains(QLatin1String("-h"))) {
        out << usage();
        return Success;
    }
    if (arguments.contains(QLatin1String("--version"))) {
        out << "lumavive-render " << QCoreApplication::applicationVersion() << "\n";
        return Success;
    }
    if (arguments.contains(QLatin1String("--list-themes")))
        return listThemes();
    Request request;
    if (!parse(arguments, &request)) {
        err << usage();
        return BadUsage;
    }
    auto project = QSharedPointer<Project>::create();
    project->setPace(qMax(0, request.pace));
    project->setFitsMusic(request.fit);
    project->setCutsOnBeat(request.beat != 0);
    if (!buildProject(request, project.data()) || !checkOutput(request.output))
        return BadUsage;
    if (project->cutsOnBeat())
        findBeats(project.data());
    if (project->templateDescription() &&
        !ThemeFetcher(out, isatty(fileno(stdout))).fetch(project->templateDescription())) {
        fail(QStringLiteral("the background videos of theme %1 could not be downloaded from %2; "
                            "check the connection and try again")
                 .arg(project->themeId())
                 .arg(ServiceConfig::themeServer()));
        return RenderFailed;
    }
    if (request.frame >= 0)
        return writeFrame(project, request);
    return render(project, request.output);
}

int HeadlessRenderer::writeFrame(const QSharedPointer<Project>& project, const Request& request)
{
    const int frames = PlanPlayer::videoFrames(*project, *project->templateDescription());
    if (request.frame >= frames) {
        fail(QStringLiteral("the video has %1 frames (0 to %2); there is no frame %3")
                 .arg(frames)
                 .arg(frames - 1)
                 .arg(request.frame));
        return BadUsage;
    }
    const QMetaObject::Connection errors = reportErrors();
    const QSize size = request.size.isValid() ? request.size : project->userData().videoSize();
    const QImage frame =
        FrameGrab::grab(project, project->templateDescription(), size, request.frame);
    QObject::disconnect(errors);
    const QString format = QFileInfo(request.output).suffix().toLower() == QLatin1String("jpg")
                               ? QStringLiteral("JPG")
                               : QStringLiteral("PNG");
    const bool written = !frame.isNull() && AtomicFile::write(request.output, [&](QIODevice& file) {
        return frame.save(&file, qPrintable(format));
    });
    if (!written) {
        fail(frame.isNull() ? QStringLiteral("frame %1 could not be composed").arg(request.frame)
                            : QStringLiteral("cannot write the picture to %1").arg(request.output));
        return RenderFailed;
    }
    out << "Wrote " << QFileInfo(request.output).absoluteFilePath() << ": frame " << request.frame
        << " of " << frames << ", " << size.width() << "x" << size.height() << "\n";
    return Success;
}
