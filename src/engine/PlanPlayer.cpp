#include "engine/PlanPlayer.h"

#include "base/CommonError.h"
#include "base/Failure.h"
#include "engine/PlayProblems.h"
#include "media/AsyncStaticImgImput.h"
#include "media/AsyncVideoInput.h"
#include "media/FramePool.h"
#include "project/ImgSlide.h"
#include "project/PictureFolder.h"
#include "scene/ImgSceneReader.h"
#include "scene/TextSceneReader.h"
#include "templates/ImgScene.h"
#include "templates/SceneTiming.h"
#include "templates/TemplateCatalog.h"
#include "templates/TextScene.h"

#include <QDir>
#include <QFileInfo>
#include <QPainter>

PlanPlayer::PlanPlayer(QSharedPointer<Project> project, QSharedPointer<TemplateDescription> theme,
                       QSize size)
    : project(std::move(project)), theme(std::move(theme)), size(size),
      problems(QSharedPointer<PlayProblems>::create())
{
}

void PlanPlayer::shareProblems(QSharedPointer<PlayProblems> record)
{
    problems = std::move(record);
}

PlanPlayer::~PlanPlayer() = default;

void PlanPlayer::abort()
{
    hasFailed = true;
    stopRequested = true;
}

void PlanPlayer::fail(const QString& message)
{
    CommonError::instance()->report(message);
    abort();
}

bool PlanPlayer::check()
{
    if (!theme || theme->scenes->isEmpty()) {
        fail(tr("The theme cannot be used: its description is missing or cannot be read."));
        return false;
    }
    if (project->scenePlan()->isEmpty()) {
        fail(tr("There is nothing to put into a video: the project has no slides."));
        return false;
    }
    // Every photo that cannot be read, in one message before the first frame, once per play.
    if (problems->claimPhotoCheck())
        tellUnreadablePhotos(unreadablePlanPhotos());
    return true;
}

int PlanPlayer::totalFrames(const Project& project, const TemplateDescription& theme)
{
    const QList<ScenePlanEntry>& plan = *project.scenePlan();
    int total = 0;
    for (const ScenePlanEntry& entry : plan) {
        total += playedFrames(entry, theme);
    }
    return total - qMax(0, int(plan.size()) - 1) * theme.sceneOverflow;
}

QVector<int> PlanPlayer::entryStarts(const Project& project, const TemplateDescription& theme)
{
    QVector<int> starts;
    int at = 0;
    for (const ScenePlanEntry& entry : *project.scenePlan()) {
        starts.push_back(at);
        // A scene hands over to the next one when `sceneOverflow` frames are left after the
        // frame it writes last: the rest is composed under the next scene's first frames.
        at += playedFrames(entry, theme) - (theme.sceneOverflow >= 1 ? theme.sceneOverflow + 1 : 0);
    }
    return starts;
}

int PlanPlayer::entryAt(const QVector<int>& starts, int frame)
{
    int entry = 0;
    while (entry + 1 < starts.size() && starts[entry + 1] <= frame)
        ++entry;
    return entry;
}

int PlanPlayer::videoFrames(const Project& project, const TemplateDescription& theme)
{
    const QVector<int> starts = entryStarts(project, theme);
    if (starts.isEmpty())
        return 0;
    return starts.back() + playedFrames(project.scenePlan()->back(), theme);
}

int PlanPlayer::playedFrames(const ScenePlanEntry& entry, const TemplateDescription& theme)
{
    const QSharedPointer<Scene> scene = theme.scenes->value(entry.sceneId);
    if (!scene)
        return 0;
    return entry.frames > 0 ? scene->clampedLength(entry.frames) : scene->frames;
}

void PlanPlayer::failBackground(const Scene& scene, const ISceneReader& reader)
{
    if (stopRequested)
        return; // a stop, or an earlier failure that already has its message
    const QString path = backgroundPath(scene);
    abort();
    if (problems->untold({path}).isEmpty())
        return;
    CommonError::instance()->report(
        Failure(tr("The theme's background %1 cannot be played, so the video cannot be made. "
                   "Download the theme again, or choose another theme.")
                    .arg(QDir::toNativeSeparators(path)),
                path, reader.backgroundFailure()));
}

void PlanPlayer::tellUnreadablePhotos(const QStringList& photos)
{
    const QStringList untold = problems->untold(photos);
    if (untold.isEmpty())
        return;
    QStringList shown;
    for (const QString& photo : untold)
        shown << QDir::toNativeSeparators(photo);
    CommonError::instance()->report(
        tr("The video leaves a place empty for each photo that cannot be read. Check that these "
           "files are still there, or take them out of the slideshow:\n%1")
            .arg(shown.join(QLatin1Char('\n'))));
}

QStringList PlanPlayer::unreadablePlanPhotos() const
{
    QStringList unreadable;
    for (const ScenePlanEntry& entry : *project->scenePlan()) {
        for (const QSharedPointer<Slide>& slide : entry.slides) {
            const auto photo = slide.objectCast<ImgSlide>();
            if (!photo || unreadable.contains(photo->path()))
                continue;
            // Only regular files are opened: a pipe or a device would hold the play.
            if (!QFileInfo(photo->path()).isFile() || !PictureFolder::canRead(photo->path()))
                unreadable << photo->path();
        }
    }
    return unreadable;
}

QString PlanPlayer::backgroundPath(const Scene& scene) const
{
    const TemplateCatalog* catalog = TemplateCatalog::instance();
    if (scene.bgType != Scene::VideoBackground)
        return catalog->filePath(theme->id, scene.bgFileName);
    // Below 1080 lines the theme's HD copy does when it has one: a third of the decoding, and no
    // scaling per frame at 720p.
    if (size.height() < 1080 && !scene.bgHdFileName.isEmpty()) {
        const QString copy = catalog->mediaPath(theme->id, scene.bgHdFileName);
        if (QFileInfo(copy).isFile())
            return copy;
    }
    return catalog->mediaPath(theme->id, scene.bgFileName);
}

QSharedPointer<ISceneReader> PlanPlayer::openScene(const Scene& scene, const ScenePlanEntry& entry,
                                                   const QSharedPointer<FramePool>& pool)
{
    if (!TemplateCatalog::isSafeFileName(scene.bgFileName))
        return nullptr;
    const SceneTiming timing(scene, playedFrames(entry, *theme));
    QSharedPointer<IAsyncAVInput> background;
    if (scene.bgType == Scene::VideoBackground)
        background = QSharedPointer<AsyncVideoInput>::create(
            pool, backgroundPath(scene),
            timing.asDesigned() ? QVector<int>() : timing.backgroundFrames());
    else if (scene.bgType == Scene::StillBackground)
        background = QSharedPointer<AsyncStaticImgImput>::create(
            pool, backgroundPath(scene), size.height(), size.width(), timing.length());
    else
        return nullptr;

    SlideIterator slides(entry.slides);
    if (scene.type == Scene::ImageSlides) {
        auto reader = QSharedPointer<ImgSceneReader>::create(
            background, size.width(), size.height(), static_cast<const ImgScene*>(&scene), slides);
        reader->setTiming(timing);
        // Photos that passed the check at the start and still could not be decoded.
        tellUnreadablePhotos(reader->unreadablePhotos());
        return reader;
    }
    if (scene.type == Scene::TextSlides) {
        auto reader = QSharedPointer<TextSceneReader>::create(
            background, size.width(), size.height(), static_cast<const TextScene*>(&scene), slides,
            theme->id);
        reader->setTiming(timing);
        return reader;
    }
    return nullptr;
}

bool PlanPlayer::play(FrameSink& sink, int first)
{
    // Sources and readers say what failed (CommonError) and throw; whatever was open is closed
    // on the way out, and the play ends as failed.
    try {
        playEntries(sink, first);
    } catch (...) {
        abort();
    }
    return !hasFailed;
}

void PlanPlayer::playEntries(FrameSink& sink, int first)
{
    const QList<ScenePlanEntry> plan = *project->scenePlan();
    const QVector<int> starts = entryStarts(*project, *theme);
    const int overflow = theme->sceneOverflow;
    const auto pool = QSharedPointer<FramePool>::create(size);
    const int total = videoFrames(*project, *theme);
    Pass pass;
    pass.written = first < starts.size() ? starts[qMax(0, first)] : 0;

    for (int k = qMax(0, first); k < plan.size() && !stopRequested; ++k) {
        // Counted against what is left of the plan from here: a background that ended before
        // its scene did made the video shorter, and the progress still ends at 100 %.
        pass.step = float(100.0 / qMax(1, pass.written + total - starts.value(k)));
        pass.scene = theme->scenes->value(plan[k].sceneId);
        pass.frames = playedFrames(plan[k], *theme);
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
            failBackground(*pass.scene, *reader);
        bool handedOver = false;
        for (; more && !stopRequested; more = reader->next(1.0)) {
            PoolFrame frame = reader->takeFrame();
            const int left = compose(pass, *reader);
            if (stopRequested || sink.full())
                break; // the frame goes back to the pool with its handle
            sink.writeFrame(std::move(frame), *reader->image(), pass.written - 1);
            if (!pass.last && overflow >= 1 && left == overflow) {
                // The rest of this scene is composed under the next one's first frames.
                sink.sceneEnded(reader->frameNumber());
                pass.fadingOut = reader;
                pass.fadingOutScene = pass.scene;
                handedOver = true;
                break;
            }
        }
        if (sink.full())
            break;
        if (!handedOver && reader->backgroundFailed())
            failBackground(*pass.scene, *reader);
        // Without a hand-over the next scene's frames, numbered from 0 again, follow on after
        // every frame this one wrote.
        if (!handedOver && !pass.last)
            sink.sceneEnded(reader->frameNumber());
    }
}

int PlanPlayer::compose(Pass& pass, ISceneReader& reader)
{
    // The reader's picture of the frame just taken: it paints into that frame.
    QImage& image = *reader.image();
    const int count = reader.frameNumber(); // frames of this scene so far, this one included
    if (pass.fadingOut)
        blendUnder(pass, image, count);
    ++pass.written;
    emit progress(reader.image(), double(float(pass.written) * pass.step));

    const int left = pass.frames - count - 1;
    if (pass.last && theme->fadeOut > 0 && left < theme->fadeOut)
        darken(image, int((1.0f - float(left) / float(theme->fadeOut)) * 255.0f));
    if (pass.first && count + 1 < theme->fadeIn)
        darken(image, int((1.0 - (count + 1.0) / theme->fadeIn) * 255.0));
    return left;
}

void PlanPlayer::blendUnder(Pass& pass, QImage& image, int count)
{
    if (!pass.fadingOut->next(1.0)) {
        if (pass.fadingOut->backgroundFailed())
            failBackground(*pass.fadingOutScene, *pass.fadingOut);
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

void PlanPlayer::darken(QImage& image, int alpha)
{
    QPainter(&image).fillRect(image.rect(), QColor(0, 0, 0, qMin(alpha, 255)));
}
