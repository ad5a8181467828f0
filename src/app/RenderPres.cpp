#include "app/RenderPres.h"

#include "app/BeatsPres.h"
#include "app/ImageProvider.h"
#include "app/ProjectPres.h"
#include "app/SettingsPres.h"
#include "app/TemplatesPres.h"
#include "base/CommonError.h"
#include "engine/RenderController.h"
#include "templates/TemplateParser.h"

#include <QDateTime>
#include <QDesktopServices>
#include <QDir>
#include <QFileInfo>
#include <QUrl>

RenderPres* RenderPres::instance()
{
    static RenderPres* const presenter = new RenderPres;
    return presenter;
}

RenderPres::RenderPres(QObject* parent) : QObject(parent)
{
    connect(CommonError::instance(), &CommonError::error, this, &RenderPres::onReported);
    connect(CommonError::instance(), &CommonError::problem, this,
            [this](const QString&, const QString& message) { onReported(message); });
}

void RenderPres::setIsRendering(bool value)
{
    rendering = value;
    emit isRenderingChanged();
}

void RenderPres::setProgress(int value)
{
    percent = value;
    emit progressChanged();
}

void RenderPres::setPreview(const QString& value)
{
    previewId = value;
    emit previewChanged();
}

QString RenderPres::fileNameOf(const QString& title)
{
    // What every file system takes: no separators, control or reserved characters, no leading
    // dot, not too long.
    QString name;
    for (const QChar c : title.simplified())
        name += c.category() == QChar::Other_Control || QStringLiteral("/\\:*?\"<>|").contains(c)
                    ? QChar('_')
                    : c;
    while (name.startsWith(QLatin1Char('.')))
        name.remove(0, 1);
    return name.left(100).trimmed();
}

QString RenderPres::outputPathIn(const QString& folder, const QDateTime& when, const QString& title)
{
    const QString named = fileNameOf(title);
    const QString base =
        named.isEmpty() ? when.toString(QStringLiteral("'slideshow_'yyyy.MM.dd'_'hh.mm")) : named;
    const QDir dir(folder);
    QString path = dir.filePath(base + QStringLiteral(".mp4"));
    for (int counter = 2; QFileInfo::exists(path); ++counter)
        path = dir.filePath(base + QStringLiteral("_%1.mp4").arg(counter));
    return path;
}

void RenderPres::clearProgress()
{
    // A new render starts from nothing: the previous one's last percentage and picture would
    // show for the seconds until the first frame is made.
    percent = 0;
    emit progressChanged();
    const QString previous = previewId;
    previewId.clear();
    emit previewChanged();
    if (!previous.isEmpty())
        ImageProvider::instance()->remove(previous);
}

QString RenderPres::makeVideo()
{
    if (TemplatesPres::instance()->isDownloading())
        return QStringLiteral("DownloadingScreen");
    return start() ? QStringLiteral("RenderingScreen") : QString();
}

QString RenderPres::makeVideoWithoutMissing()
{
    if (!ProjectPres::instance()->removeMissingPhotos())
        return QStringLiteral("MainScreen");
    return makeVideo();
}

QString RenderPres::downloadArrived(const QString& shownScreen)
{
    if (shownScreen != QLatin1String("downloadingScreen"))
        return QString();
    return start() ? QStringLiteral("RenderingScreen") : QStringLiteral("SettingsScreen");
}

bool RenderPres::start()
{
    if (rendering)
        return false; // one render at a time
    // The plan changes when the beats arrive: the video waits for them (the button says so).
    if (BeatsPres::instance()->finding())
        return false;
    const QStringList missing = ProjectPres::instance()->missingPhotos();
    if (!missing.isEmpty()) {
        emit photosMissing(missing);
        return false;
    }
    const QSharedPointer<Project> project = ProjectPres::instance()->project();
    project->setUserData(SettingsPres::instance()->renderSettings());
    const QString folder = project->userData().saveDir;
    // A folder deleted since it was chosen comes back; one that cannot be written to is named
    // before any work starts.
    QDir().mkpath(folder);
    if (!SettingsPres::instance()->checkSaveDirPermission(folder))
        return false;
    clearProgress();
    reported.clear();
    if (!failureText.isEmpty()) {
        failureText.clear();
        emit failureChanged();
    }
    delete controller;
    controller = new RenderController(this);
    connect(controller, &RenderController::onProgress, this, &RenderPres::onProgress);
    connect(controller, &RenderController::onPreview, this, &RenderPres::onPreview);
    connect(controller, &RenderController::done, this, &RenderPres::onDone);
    connect(controller, &RenderController::error, this, &RenderPres::onError);
    connect(controller, &RenderController::stopped, this, &RenderPres::onStopped);

    result = outputPathIn(folder, QDateTime::currentDateTime(), project->title());
    setIsRendering(true);
    controller->start(project, loadTemplate(project->themeId()), result);
    return true;
}

void RenderPres::stop()
{
    if (controller)
        controller->stop();
}

void RenderPres::stopAndWait()
{
    if (!controller)
        return;
    controller->stop();
    // Joins the render thread, which removes what it had written.
    delete controller;
    controller = nullptr;
    if (rendering)
        finishRendering();
}

void RenderPres::play()
{
    QDesktopServices::openUrl(QUrl::fromLocalFile(result));
}

void RenderPres::openFolder()
{
    QDesktopServices::openUrl(QUrl::fromLocalFile(QFileInfo(result).dir().path()));
}

void RenderPres::onProgress(float value)
{
    percent = int(value);
    emit progressChanged();
}

void RenderPres::onPreview(QSharedPointer<QImage> image)
{
    const QString previous = previewId;
    previewId = ImageProvider::instance()->addImage(image);
    emit previewChanged();
    if (!previous.isEmpty())
        ImageProvider::instance()->remove(previous);
}

void RenderPres::finishRendering()
{
    rendering = false;
    emit isRenderingChanged();
}

void RenderPres::onDone()
{
    finishRendering();
    emit done();
}

void RenderPres::onReported(const QString& message)
{
    if (rendering)
        reported << message;
}

void RenderPres::onError()
{
    failureText = reported.isEmpty()
                      ? tr("Something went wrong while the video was made; no file was written.")
                      : reported.join(QLatin1Char('\n'));
    emit failureChanged();
    finishRendering();
    emit error();
}

void RenderPres::onStopped()
{
    finishRendering();
    // Joins the render thread before anyone hears of the stop.
    delete controller;
    controller = nullptr;
    emit stopped();
}
