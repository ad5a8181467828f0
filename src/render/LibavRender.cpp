#include "render/LibavRender.h"

#include "media/AsyncStaticImgImput.h"
#include "media/AsyncVideoInput.h"
#include "media/AsyncVideoOutput.h"
#include "media/FramePool.h"
#include "scene/ImgSceneReader.h"
#include "scene/TextSceneReader.h"
#include "shell/CommonError.h"
#include "templates/ImgScene.h"
#include "templates/TemplateCatalog.h"
#include "templates/TextScene.h"
#include "templates/TmplDownloadManager.h"

#include <QFile>
#include <QFileInfo>
#include <QPainter>

extern "C" {
#include <libavformat/avformat.h>
}

LibavRender::LibavRender(QSharedPointer<Project> project, QSharedPointer<TemplateDescription> theme,
                         const QString& outputPath)
    : outputHeight(project->userData().quality == 1 ? 1080 : 720),
      outputWidth(project->userData().quality == 1 ? 1920 : 1280), project(std::move(project)),
      theme(std::move(theme)), outputPath(outputPath)
{
}

LibavRender::~LibavRender() = default;

void LibavRender::stop()
{
    stopRequested = true;
}

void LibavRender::onError()
{
    failed = true;
    stopRequested = true;
}

void LibavRender::fail(const QString& message)
{
    CommonError::instance()->report(message);
    onError();
}

int LibavRender::totalFrames(const Project& project, const TemplateDescription& theme)
{
    const QList<ScenePlanEntry>& plan = *project.scenePlan();
    int total = 0;
    for (const ScenePlanEntry& entry : plan) {
        const QSharedPointer<Scene> scene = theme.scenes->value(entry.sceneId);
        total += scene ? scene->frames : 0;
    }
    return total - qMax(0, int(plan.size()) - 1) * theme.sceneOverflow;
}

bool LibavRender::render()
{
    stopRequested = false;
    failed = false;
    if (!theme || theme->scenes->isEmpty()) {
        fail(tr("The theme cannot be used: its description is missing or cannot be read."));
        return false;
    }
    if (project->scenePlan()->isEmpty()) {
        fail(tr("There is nothing to put into a video: the project has no slides."));
        return false;
    }
    try {
        AsyncVideoOutput output;
        auto pool = QSharedPointer<FramePool>::create(project->userData().quality == 1);
        connect(&output, &AsyncVideoOutput::error, this, &LibavRender::onError,
                Qt::DirectConnection);
        OutputSettings settings;
        settings.path = outputPath;
        settings.format = av_guess_format("mp4", nullptr, nullptr);
        settings.height = outputHeight;
        settings.width = outputWidth;
        settings.num = timeBaseNum;
        settings.den = timeBaseDen;
        settings.pixelFormat = AV_PIX_FMT_YUV420P;
        settings.tracks = project->audio();
        // The music ends, with its fade-out, on the last frame this plan writes.
        settings.totalDuration = double(totalFrames(*project, *theme)) * timeBaseNum / timeBaseDen;
        output.start(settings);
        renderEntries(output, pool);
        output.finish();
    } catch (...) {
        failed = true;
        stopRequested = true;
    }
    // On Linux a file whose folder is deleted is still written to, without a name: nothing the
    // user could ever open.
    if (!stopRequested && !QFileInfo::exists(outputPath))
        fail(tr("The video file disappeared while it was being written: %1").arg(outputPath));
    if (stopRequested)
        QFile::remove(outputPath);
    return !failed;
}

void LibavRender::failBackground(const Scene& scene)
{
    if (stopRequested)
        return; // a stop, or an earlier failure that already has its message
    const TemplateCatalog* catalog = TemplateCatalog::instance();
    fail(tr("The theme's background cannot be played: %1")
             .arg(scene.bgType == Scene::VideoBackground
                      ? catalog->mediaPath(theme->id, scene.bgFileName)
                      : catalog->filePath(theme->id, scene.bgFileName)));
}

QSharedPointer<ISceneReader> LibavRender::openScene(const Scene& scene, const ScenePlanEntry& entry,
                                                    const QSharedPointer<FramePool>& pool)
{
    if (!TmplDownloadManager::isSafeFileName(scene.bgFileName))
        return nullptr;
    const TemplateCatalog* catalog = TemplateCatalog::instance();
    QSharedPointer<IAsyncAVInput> background;
    if (scene.bgType == Scene::VideoBackground)
        background = QSharedPointer<AsyncVideoInput>::create(
            pool, catalog->mediaPath(theme->id, scene.bgFileName));
    else if (scene.bgType == Scene::StillBackground)
        background = QSharedPointer<AsyncStaticImgImput>::create(
            pool, catalog->filePath(theme->id, scene.bgFileName), outputHeight, outputWidth,
            scene.frames);
    else
        return nullptr;

    SlideIterator slides(entry.slides);
    if (scene.type == Scene::ImageSlides)
        return QSharedPointer<ImgSceneReader>::create(background, outputWidth, outputHeight,
                                                      static_cast<const ImgScene*>(&scene), slides);
    if (scene.type == Scene::TextSlides)
        return QSharedPointer<TextSceneReader>::create(background, outputWidth, outputHeight,
                                                       static_cast<const TextScene*>(&scene),
                                                       slides, theme->id);
    return nullptr;
}

bool LibavRender::renderEntries(AsyncVideoOutput& output, const QSharedPointer<FramePool>& pool)
{
    const QList<ScenePlanEntry> plan = *project->scenePlan();
    const int total = totalFrames(*project, *theme);
    const float step = float(100.0 / qMax(1, total));
    const int overflow = theme->sceneOverflow;
    int n = 0;
    QSharedPointer<ISceneReader> previous;

    for (int k = 0; k < plan.size(); ++k) {
        const QSharedPointer<Scene> scene = theme->scenes->value(plan[k].sceneId);
        if (stopRequested)
            break;
        QSharedPointer<ISceneReader> reader = scene ? openScene(*scene, plan[k], pool) : nullptr;
        if (!reader) {
            fail(tr("The theme cannot play its scene %1: the video cannot be made.")
                     .arg(plan[k].sceneId));
            break;
        }
        const bool last = k == plan.size() - 1;
        const bool overlapNext = !last && overflow >= 1;
        bool handedOver = false;
        bool more = reader->next(1.0);
        // A background without a single picture is as broken as one that cannot be read.
        if (!more || reader->backgroundFailed())
            failBackground(*scene);
        while (more) {
            const QSharedPointer<QImage> picture = reader->image();
            QImage& image = *picture;
            if (stopRequested) {
                pool->release(reader->frame());
                break;
            }
            if (previous) {
                if (!previous->next(1.0)) {
                    if (previous->backgroundFailed())
                        failBackground(*theme->scenes->value(plan[k - 1].sceneId));
                    previous.reset();
                } else {
                    const double alpha = 1.0 - (reader->frameNumber() + 1.0) / overflow;
                    if (alpha > 0) {
                        QPainter painter(&image);
                        painter.setOpacity(alpha);
                        painter.drawImage(0, 0, *previous->image());
                    }
                    pool->release(previous->frame());
                }
            }
            ++n;
            emit progress(picture, double(float(n) * step));

            const int left = scene->frames - reader->frameNumber() - 1;
            if (last && theme->fadeOut > 0 && left < theme->fadeOut) {
                const int alpha = int((1.0f - float(left) / float(theme->fadeOut)) * 255.0f);
                QPainter(&image).fillRect(image.rect(), QColor(0, 0, 0, qMin(alpha, 255)));
            }
            if (k == 0 && reader->frameNumber() + 1 < theme->fadeIn) {
                const int alpha = int((1.0 - (reader->frameNumber() + 1.0) / theme->fadeIn) * 255.0);
                QPainter(&image).fillRect(image.rect(), QColor(0, 0, 0, alpha));
            }
            if (stopRequested) {
                pool->release(reader->frame());
                break;
            }
            output.writeVideoFrame(pool, reader->frame(), timeBaseNum, timeBaseDen,
                                   n * (1.0 / timeBaseDen));
            if (overlapNext && left == overflow) {
                // The rest of this scene is composed under the next one's first frames.
                output.addPtsOffset(reader->frameNumber(), timeBaseNum, timeBaseDen);
                previous = reader;
                handedOver = true;
                break;
            }
            more = reader->next(1.0);
        }
        if (!handedOver && reader->backgroundFailed())
            failBackground(*scene);
        // Without a hand-over the next scene's frames, numbered from 0 again, follow on after
        // every frame this one wrote.
        if (!handedOver && !last)
            output.addPtsOffset(reader->frameNumber(), timeBaseNum, timeBaseDen);
    }
    return !failed;
}
