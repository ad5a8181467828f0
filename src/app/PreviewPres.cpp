#include "app/PreviewPres.h"

#include "app/ProjectPres.h"
#include "engine/PlanPlayer.h"
#include "preview/PreviewPlayer.h"
#include "project/ImgSlide.h"
#include "project/TextSlide.h"
#include "templates/TemplateCatalog.h"

#include <QDir>

#include <cmath>

PreviewPres* PreviewPres::instance()
{
    static PreviewPres* const presenter = new PreviewPres;
    return presenter;
}

PreviewPres::PreviewPres(QObject* parent) : QObject(parent), engine(new PreviewPlayer(this))
{
    connect(engine, &PreviewPlayer::stateChanged, this, &PreviewPres::stateChanged);
    connect(engine, &PreviewPlayer::frameShown, this, &PreviewPres::frameChanged);
    connect(engine, &PreviewPlayer::frameShown, this, &PreviewPres::positionChanged);
    connect(engine, &PreviewPlayer::soundProblemChanged, this, &PreviewPres::noteChanged);
    ProjectPres* project = ProjectPres::instance();
    connect(project, &ProjectPres::slidesChanged, this, &PreviewPres::projectEdited);
    connect(project, &ProjectPres::audioChanged, this, &PreviewPres::projectEdited);
    connect(project, &ProjectPres::themeIdChanged, this, &PreviewPres::projectEdited);
}

QStringList PreviewPres::contentOf(const Project& project)
{
    // Turning a photo changes its slide in place, without a signal of the project's own: what
    // the video is made of is compared instead.
    QStringList content{QString::number(project.themeId())};
    for (const QSharedPointer<Slide>& slide : project.slides()) {
        if (const auto image = slide.objectCast<ImgSlide>())
            content << QStringLiteral("photo %1 %2").arg(image->rotation()).arg(image->path());
        else if (const auto text = slide.objectCast<TextSlide>())
            content << QStringLiteral("text ") + text->text();
    }
    for (const QSharedPointer<MediaFileInfo>& track : project.audio())
        content << QStringLiteral("music ") + track->path();
    return content;
}

bool PreviewPres::edited() const
{
    return stale || contentOf(*ProjectPres::instance()->project()) != played;
}

bool PreviewPres::isOpen() const
{
    return engine->state() != PreviewPlayer::Closed;
}

bool PreviewPres::isPlaying() const
{
    return engine->state() == PreviewPlayer::Playing;
}

QString PreviewPres::timeText() const
{
    const int total = engine->totalFrames() / FrameSink::kFramesPerSecond;
    const bool hours = total >= 3600;
    return ProjectPres::clockText(qMax(0, engine->frameIndex()) / FrameSink::kFramesPerSecond,
                                  hours) +
           QStringLiteral(" / ") + ProjectPres::clockText(total, hours);
}

double PreviewPres::position() const
{
    const int total = engine->totalFrames();
    return total > 1 ? qBound(0.0, double(engine->frameIndex()) / (total - 1), 1.0) : 0.0;
}

QString PreviewPres::note() const
{
    return engine->soundProblem();
}

QImage PreviewPres::frame() const
{
    return engine->frame();
}

QSize PreviewPres::sizeFor(QSize pixels)
{
    int width = qMin(pixels.width(), int(std::lround(pixels.height() * 16.0 / 9.0)));
    width = qBound(640, width, 1280) & ~15; // whole macroblocks, as the videos have
    return {width, (width * 9 / 16) & ~1};
}

void PreviewPres::setViewSize(QSize pixels)
{
    composeSize = sizeFor(pixels);
}

void PreviewPres::togglePlay(const QList<int>& selection)
{
    switch (engine->state()) {
    case PreviewPlayer::Closed: {
        const int slide = selection.isEmpty() ? -1 : selection.first();
        playFrom(slide >= 0 ? entryOfSlide(slide) : 0);
        break;
    }
    case PreviewPlayer::Playing:
        engine->pause();
        break;
    case PreviewPlayer::Paused:
        if (showingTheme || !edited())
            engine->resume();
        else
            playFrom(engine->atEnd() ? 0 : entryAtFrame(engine->frameIndex()));
        break;
    }
}

void PreviewPres::slideClicked(int index)
{
    if (isOpen())
        playFrom(entryOfSlide(index));
}

void PreviewPres::seekTo(double fraction)
{
    if (!isOpen())
        return;
    const int frame = int(qBound(0.0, fraction, 1.0) * qMax(0, engine->totalFrames() - 1));
    if (edited())
        playFrom(entryAtFrame(frame));
    else
        engine->seek(entryAtFrame(frame));
}

bool PreviewPres::playTheme(int themeId)
{
    auto sampler = QSharedPointer<Project>::create();
    sampler->setThemeId(themeId);
    if (!sampler->templateDescription())
        return false;
    const TemplateCatalog* catalog = TemplateCatalog::instance();
    const QDir samples(catalog->filePath(themeId, QStringLiteral("samples")));
    QStringList pictures;
    for (const QString& name :
         samples.entryList({QStringLiteral("*.jpg")}, QDir::Files, QDir::Name))
        pictures << samples.filePath(name);
    // A theme from elsewhere has no samples: its own tile shows in the slots.
    if (pictures.isEmpty())
        for (int i = 0; i < 3; ++i)
            pictures << catalog->filePath(themeId, QStringLiteral("thumb.jpg"));
    QVector<QSharedPointer<Slide>> slides{QSharedPointer<TextSlide>::create(tr("Your title here"))};
    for (const QString& picture : pictures)
        slides << QSharedPointer<ImgSlide>::create(picture);
    sampler->setSlides(slides);
    showingTheme = true;
    stale = false;
    played.clear();
    engine->play(sampler, sampler->templateDescription(), composeSize, 0);
    emit positionChanged();
    return true;
}

void PreviewPres::close()
{
    showingTheme = false;
    engine->close();
    stale = false;
    emit positionChanged();
    emit frameChanged();
}

void PreviewPres::playFrom(int entry)
{
    const QSharedPointer<Project> project = ProjectPres::instance()->project();
    if (project->slides().isEmpty())
        return;
    showingTheme = false;
    stale = false;
    played = contentOf(*project);
    engine->play(project, project->templateDescription(), composeSize, entry);
    emit positionChanged();
}

void PreviewPres::projectEdited()
{
    if (!isOpen() || showingTheme)
        return;
    stale = true;
    engine->pause();
}

int PreviewPres::entryOfSlide(int index) const
{
    // The window's own project, whose slides the plan names; the preview plays a copy of both.
    const Project& project = *ProjectPres::instance()->project();
    if (index < 0 || index >= project.slides().size())
        return 0;
    const QSharedPointer<Slide> slide = project.slides()[index];
    const QList<ScenePlanEntry>& plan = *project.scenePlan();
    for (int entry = 0; entry < plan.size(); ++entry)
        if (plan[entry].slides.contains(slide))
            return entry;
    return 0;
}

int PreviewPres::entryAtFrame(int frame) const
{
    const Project& project = *ProjectPres::instance()->project();
    if (!project.templateDescription())
        return 0;
    return PlanPlayer::entryAt(PlanPlayer::entryStarts(project, *project.templateDescription()),
                               frame);
}
