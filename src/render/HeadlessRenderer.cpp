#include "render/HeadlessRenderer.h"

#include "media/MediaFileInfo.h"
#include "project/ImgSlide.h"
#include "project/PictureFolder.h"
#include "project/Project.h"
#include "project/TextSlide.h"
#include "render/LibavRender.h"
#include "shell/CommonError.h"
#include "templates/TemplateCatalog.h"
#include "templates/TemplateParser.h"
#include "templates/TmplDownloadManager.h"

#include <QElapsedTimer>
#include <QFileInfo>
#include <QImageReader>

struct HeadlessRenderer::Request
{
    int theme = -1;
    QList<QPair<QString, QString>> slides; // ("photo" | "folder" | "text", value) in order
    QStringList music;
    bool fullHd = false;
    QString output;
};

HeadlessRenderer::HeadlessRenderer(QTextStream& out, QTextStream& err) : out(out), err(err) {}

QString HeadlessRenderer::usage()
{
    return QStringLiteral(
        "Usage: lumavive-render --theme ID [--photo FILE]... [--folder DIR]... [--text TEXT]...\n"
        "                       [--music FILE]... [--full-hd] -o OUT.mp4\n"
        "Renders a slideshow with a theme from ./templates/. Slides follow the order of the\n"
        "--photo, --folder and --text arguments; music tracks play in --music order.\n");
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
        const QStringList withValue = {"--theme", "--photo", "--folder", "--text", "--music", "-o"};
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
        } else if (option == QLatin1String("--music")) {
            request->music << value;
        } else if (option == QLatin1String("-o")) {
            request->output = value;
        } else {
            request->slides.append({option.mid(2), value});
        }
    }
    if (request->theme < 0 || request->output.isEmpty()) {
        fail(QStringLiteral("--theme and -o are required"));
        return false;
    }
    if (request->slides.isEmpty()) {
        fail(QStringLiteral("add at least one --photo, --folder or --text"));
        return false;
    }
    return true;
}

bool HeadlessRenderer::buildProject(const Request& request, Project* project)
{
    TemplateCatalog* catalog = TemplateCatalog::instance();
    if (!catalog->contains(request.theme)) {
        QStringList installed;
        for (const TemplateInfo& info : catalog->entries())
            installed << QString::number(info.id);
        fail(QStringLiteral("unknown theme %1 (installed in ./templates/: %2)")
                 .arg(request.theme)
                 .arg(installed.isEmpty() ? QStringLiteral("none") : installed.join(", ")));
        return false;
    }
    const QSharedPointer<TemplateDescription> theme = loadTemplate(request.theme);
    if (theme->scenes->isEmpty()) {
        fail(QStringLiteral("theme %1 has no readable scenes").arg(request.theme));
        return false;
    }
    if (!TmplDownloadManager::instance()->isDownloaded(theme)) {
        fail(QStringLiteral("theme %1 lacks background videos; open it once in Lumavive to "
                            "download them")
                 .arg(request.theme));
        return false;
    }

    QVector<QSharedPointer<Slide>> slides;
    for (const auto& [kind, value] : request.slides) {
        if (kind == QLatin1String("text")) {
            slides << QSharedPointer<TextSlide>::create(value.trimmed());
            continue;
        }
        const QStringList photos =
            kind == QLatin1String("folder") ? PictureFolder::pictures(value) : QStringList{value};
        if (kind == QLatin1String("folder") && !QFileInfo(value).isDir()) {
            fail(QStringLiteral("cannot open folder %1").arg(value));
            return false;
        }
        for (const QString& photo : photos) {
            if (!QImageReader(photo).canRead()) {
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
        } catch (int) {
            fail(QStringLiteral("cannot read music file %1").arg(music));
            return false;
        }
    }

    UserData settings;
    settings.quality = request.fullHd ? 1 : 0;
    project->setUserData(settings);
    project->setTemplateDescription(theme);
    project->setAudio(tracks);
    project->setSlides(slides);
    if (project->usedSlides() == 0) {
        fail(QStringLiteral("no slide fits into theme %1: its scenes need more slides of a kind, "
                            "or the music is too short")
                 .arg(request.theme));
        return false;
    }
    if (project->usedSlides() < slides.size())
        out << project->usedSlides() << " of " << slides.size()
            << " slides fit into the music; the rest are left out.\n";
    return true;
}

int HeadlessRenderer::render(Project& project, const QString& output)
{
    auto shared = QSharedPointer<Project>(&project, [](Project*) {});
    LibavRender engine(shared, project.templateDescription(), output);
    const int total = LibavRender::totalFrames(project, *project.templateDescription());
    int frames = 0;
    int lastShown = -1;
    QElapsedTimer timer;
    timer.start();
    QObject::connect(&engine, &LibavRender::progress, [&](QSharedPointer<QImage>, double percent) {
        ++frames;
        const int shown = int(percent) / 5 * 5;
        if (shown != lastShown) {
            lastShown = shown;
            out << "Rendering: " << shown << "% (" << frames << "/" << total << " frames)\n";
            out.flush();
        }
    });
    const QMetaObject::Connection errors = QObject::connect(
        CommonError::instance(), &CommonError::error, [this](const QString& message) {
            err << "error: " << QString(message).replace(QLatin1String("\r\n"), QLatin1String(" "))
                << "\n";
            err.flush();
        });
    const bool ok = engine.render();
    QObject::disconnect(errors);
    if (!ok) {
        fail(QStringLiteral("the render failed; no video was written"));
        return RenderFailed;
    }
    const double seconds = timer.elapsed() / 1000.0;
    const int height = project.userData().quality == 1 ? 1080 : 720;
    out << "Wrote " << output << ": " << QString::number(frames / 30.0, 'f', 1) << " s, "
        << (height == 1080 ? "1920x1080" : "1280x720") << ", " << frames << " frames in "
        << QString::number(seconds, 'f', 1) << " s ("
        << QString::number(seconds > 0 ? frames / seconds : 0.0, 'f', 1) << " frames/s)\n";
    return Success;
}

int HeadlessRenderer::run(const QStringList& arguments)
{
    if (arguments.contains(QLatin1String("--help")) || arguments.contains(QLatin1String("-h"))) {
        out << usage();
        return Success;
    }
    Request request;
    if (!parse(arguments, &request)) {
        err << usage();
        return BadUsage;
    }
    Project project;
    if (!buildProject(request, &project))
        return BadUsage;
    return render(project, request.output);
}
