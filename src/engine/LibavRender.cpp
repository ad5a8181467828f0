#include "engine/LibavRender.h"

#include "base/CommonError.h"
#include "media/AsyncStaticImgImput.h"
#include "media/AsyncVideoInput.h"
#include "media/AsyncVideoOutput.h"
#include "media/FramePool.h"
#include "scene/ImgSceneReader.h"
#include "scene/TextSceneReader.h"
#include "templates/ImgScene.h"
#include "templates/TemplateCatalog.h"
#include "templates/TextScene.h"
#include "templates/TmplDownloadManager.h"

#include <QFile>
#include <QFileInfo>
#include <QPainter>

#ifdef __GLIBC__
#include <malloc.h>
#endif

namespace {

// A render allocates and frees pictures of megabytes at every scene (photos, shadows, still
// slots). glibc would soon take such blocks from its heaps instead of mapping them, and memory
// given back there stays with the process: the peak crept up by 15 MiB over a 1080p render. A
// fixed threshold keeps every block of a megabyte or more mapped, and returned when freed.
void returnLargeBlocks()
{
#ifdef __GLIBC__
    static const bool once = mallopt(M_MMAP_THRESHOLD, 1 << 20) != 0;
    Q_UNUSED(once);
#endif
}

} // namespace

LibavRender::LibavRender(QSharedPointer<Project> project, QSharedPointer<TemplateDescription> theme,
                         const QString& outputPath)
    : outputSize(project->userData().videoSize()), project(std::move(project)),
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
    returnLargeBlocks();
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
        auto pool = QSharedPointer<FramePool>::create(outputSize);
        connect(&output, &AsyncVideoOutput::error, this, &LibavRender::onError,
                Qt::DirectConnection);
        OutputSettings settings;
        settings.path = outputPath;
        settings.height = outputSize.height();
        settings.width = outputSize.width();
        settings.num = timeBaseNum;
        settings.den = timeBaseDen;
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
    fail(tr("The theme's background cannot be played: %1").arg(backgroundPath(scene)));
}

QString LibavRender::backgroundPath(const Scene& scene) const
{
    const TemplateCatalog* catalog = TemplateCatalog::instance();
    if (scene.bgType != Scene::VideoBackground)
        return catalog->filePath(theme->id, scene.bgFileName);
    // An HD render takes the theme's HD copy when it has one: a third of the decoding, and no
    // scaling per frame.
    if (outputSize.height() < 1080 && !scene.bgHdFileName.isEmpty()) {
        const QString copy = catalog->mediaPath(theme->id, scene.bgHdFileName);
        if (QFileInfo(copy).isFile())
            return copy;
    }
    return catalog->mediaPath(theme->id, scene.bgFileName);
}

QSharedPointer<ISceneReader> LibavRender::openScene(const Scene& scene, const ScenePlanEntry& entry,
                                                    const QSharedPointer<FramePool>& pool)
{
    if (!TmplDownloadManager::isSafeFileName(scene.bgFileName))
        return nullptr;
    QSharedPointer<IAsyncAVInput> background;
    if (scene.bgType == Scene::VideoBackground)
        background = QSharedPointer<AsyncVideoInput>::create(pool, backgroundPath(scene));
    else if (scene.bgType == Scene::StillBackground)
        background = QSharedPointer<AsyncStaticImgImput>::create(
            pool, backgroundPath(scene), outputSize.height(), outputSize.width(), scene.frames);
    else
        return nullptr;

    SlideIterator slides(entry.slides);
    if (scene.type == Scene::ImageSlides)
        return QSharedPointer<ImgSceneReader>::create(background, outputSize.width(),
                                                      outputSize.height(),
                                                      static_cast<const ImgScene*>(&scene), slides);
    if (scene.type == Scene::TextSlides)
        return QSharedPointer<TextSceneReader>::create(
            background, outputSize.width(), outputSize.height(),
            static_cast<const TextScene*>(&scene), slides, theme->id);
    return nullptr;
}

bool LibavRender::renderEntries(AsyncVideoOutput& output, const QSharedPointer<FramePool>& pool)
{
    const QList<ScenePlanEntry> plan = *project->scenePlan();
    const int overflow = theme->sceneOverflow;
    Pass pass;
    pass.step = float(100.0 / qMax(1, totalFrames(*project, *theme)));

    for (int k = 0; k < plan.size() && !stopRequested; ++k) {
        pass.scene = theme->scenes->value(plan[k].sceneId);
        QSharedPointer<ISceneReader> reader =
            pass.scene ? openScene(*pass.scene, plan[k], pool) : nullptr;
        if (!reader) {
            fail(tr("The theme cannot play its scene %1: the video cannot be made.")
                     .arg(plan[k].sceneId));
            break;
        }
        pass.first = k == 0;
        pass.last = k == plan.size() - 1;
        bool more = reader->next(1.0);
        // A background without a single picture is as broken as one that cannot be read.
        if (!more || reader->backgroundFailed())
            failBackground(*pass.scene);
        bool handedOver = false;
        for (; more && !stopRequested; more = reader->next(1.0)) {
            PoolFrame frame = reader->takeFrame();
            const int left = compose(pass, *reader);
            if (stopRequested)
                break; // the frame goes back to the pool with its handle
            output.writeVideoFrame(std::move(frame), timeBaseNum, timeBaseDen,
                                   pass.written * (1.0 / timeBaseDen));
            if (!pass.last && overflow >= 1 && left == overflow) {
                // The rest of this scene is composed under the next one's first frames.
                output.addPtsOffset(reader->frameNumber(), timeBaseNum, timeBaseDen);
                pass.fadingOut = reader;
                pass.fadingOutScene = pass.scene;
                handedOver = true;
                break;
            }
        }
        if (!handedOver && reader->backgroundFailed())
            failBackground(*pass.scene);
        // Without a hand-over the next scene's frames, numbered from 0 again, follow on after
        // every frame this one wrote.
        if (!handedOver && !pass.last)
            output.addPtsOffset(reader->frameNumber(), timeBaseNum, timeBaseDen);
    }
    return !failed;
}

int LibavRender::compose(Pass& pass, ISceneReader& reader)
{
    // The reader's picture of the frame just taken: it paints into that frame.
    QImage& image = *reader.image();
    const int count = reader.frameNumber(); // frames of this scene so far, this one included
    if (pass.fadingOut)
        blendUnder(pass, image, count);
    ++pass.written;
    emit progress(reader.image(), double(float(pass.written) * pass.step));

    const int left = pass.scene->frames - count - 1;
    if (pass.last && theme->fadeOut > 0 && left < theme->fadeOut)
        darken(image, int((1.0f - float(left) / float(theme->fadeOut)) * 255.0f));
    if (pass.first && count + 1 < theme->fadeIn)
        darken(image, int((1.0 - (count + 1.0) / theme->fadeIn) * 255.0));
    return left;
}

void LibavRender::blendUnder(Pass& pass, QImage& image, int count)
{
    if (!pass.fadingOut->next(1.0)) {
        if (pass.fadingOut->backgroundFailed())
            failBackground(*pass.fadingOutScene);
        pass.fadingOut.reset();
        return;
    }
    // The old scene's frame is only read here; it goes back to the pool at the end of the block.
    const PoolFrame old = pass.fadingOut->takeFrame();
    const double alpha = 1.0 - (count + 1.0) / theme->sceneOverflow;
    if (alpha > 0) {
        QPainter painter(&image);
        painter.setOpacity(alpha);
        painter.drawImage(0, 0, *pass.fadingOut->image());
    }
}

void LibavRender::darken(QImage& image, int alpha)
{
    QPainter(&image).fillRect(image.rect(), QColor(0, 0, 0, qMin(alpha, 255)));
}
