#include "app/ProjectPres.h"

#include "app/ImgSlidePres.h"
#include "app/ProjectEdit.h"
#include "app/SavedProjectsPres.h"
#include "app/SkippedFilesNotice.h"
#include "app/SlidesListModel.h"
#include "app/TextSlidePres.h"
#include "base/Failure.h"
#include "engine/FrameSink.h"
#include "engine/PlanPlayer.h"
#include "images/ThumbGenerator.h"
#include "project/ImgSlide.h"
#include "project/PictureFolder.h"
#include "project/TextSlide.h"

#include <QFile>
#include <QFileInfo>
#include <QJSValue>
#include <QLocale>
#include <QTime>
#include <QUrl>

#include <algorithm>
#include <functional>

ProjectPres* ProjectPres::instance()
{
    static ProjectPres* const presenter = new ProjectPres;
    return presenter;
}

ProjectPres::ProjectPres(QObject* parent) : QObject(parent), autosave(current)
{
    for (auto changed : {&QUndoStack::canUndoChanged, &QUndoStack::canRedoChanged})
        connect(&history, changed, this, &ProjectPres::historyChanged);
    for (auto changed : {&QUndoStack::undoTextChanged, &QUndoStack::redoTextChanged})
        connect(&history, changed, this, &ProjectPres::historyChanged);
    connect(SavedProjectsPres::instance(), &SavedProjectsPres::projectRenamed, this,
            [this](const QString& id, const QString& title) {
                if (id == current->id())
                    current->setTitle(title);
            });
    // The open project deleted from the start screen: no later save may bring it back.
    connect(SavedProjectsPres::instance(), &SavedProjectsPres::projectDeleted, this,
            [this](const QString& id) {
                if (id == current->id())
                    clearProject();
            });
}

ProjectState ProjectPres::capture() const
{
    ProjectState state;
    state.themeId = current->themeId();
    state.tracks = current->audio();
    state.pace = current->pace();
    state.fitsMusic = current->fitsMusic();
    state.cutsOnBeat = current->cutsOnBeat();
    for (const QSharedPointer<Slide>& slide : SlidesListModel::instance()->slides()) {
        ProjectState::SlideState shown{slide, 0, QString()};
        if (const auto image = slide.objectCast<ImgSlide>())
            shown.rotation = image->rotation();
        else if (const auto text = slide.objectCast<TextSlide>())
            shown.text = text->text();
        state.slides << shown;
    }
    return state;
}

void ProjectPres::record(const QString& text, const ProjectState& before)
{
    const ProjectState after = capture();
    if (after != before)
        history.push(new ProjectEdit(text, before, after,
                                     [this](const ProjectState& state) { restore(state); }));
}

void ProjectPres::restore(const ProjectState& state)
{
    if (state.themeId != current->themeId()) {
        current->setThemeId(state.themeId);
        emit themeIdChanged();
    }
    if (state.pace != current->pace() || state.fitsMusic != current->fitsMusic() ||
        state.cutsOnBeat != current->cutsOnBeat()) {
        current->setPace(state.pace);
        current->setFitsMusic(state.fitsMusic);
        current->setCutsOnBeat(state.cutsOnBeat);
        emit timingChanged();
    }
    QVector<QSharedPointer<Slide>> order;
    for (const ProjectState::SlideState& shown : state.slides)
        order << shown.slide;
    SlidesListModel* model = SlidesListModel::instance();
    model->showSlides(order, [this](const QSharedPointer<Slide>& slide) -> SlidePres* {
        if (const auto text = slide.objectCast<TextSlide>())
            return new TextSlidePres(text);
        return new ImgSlidePres(slide.objectCast<ImgSlide>(), pixelRatio);
    });
    // The rows are the slides now (no separator yet): turn and retitle them as they were.
    for (int row = 0; row < state.slides.size(); ++row) {
        const ProjectState::SlideState& shown = state.slides[row];
        if (const auto image = shown.slide.objectCast<ImgSlide>()) {
            for (int turns = ((shown.rotation - image->rotation()) % 4 + 4) % 4; turns > 0; --turns)
                model->rotate(row, true);
            image->setRotation(shown.rotation); // the same count, not only the same direction
        } else if (const auto text = shown.slide.objectCast<TextSlide>()) {
            if (text->text() != shown.text)
                model->setText(row, shown.text);
        }
    }
    syncSlides();
    publishTracks(state.tracks);
    refreshTimeline();
}

QStringList ProjectPres::missingPhotos() const
{
    QStringList missing;
    for (const QSharedPointer<Slide>& slide : current->slides())
        if (const auto image = slide.objectCast<ImgSlide>())
            if (!QFileInfo(image->path()).isReadable() && !missing.contains(image->path()))
                missing << image->path();
    return missing;
}

bool ProjectPres::removeMissingPhotos()
{
    const ProjectState before = capture();
    const QStringList missing = missingPhotos();
    SlidesListModel* model = SlidesListModel::instance();
    // From the end, so that the rows still to remove keep their numbers.
    for (int row = model->rowCount() - 1; row >= 0; --row) {
        const SlidePres* pres = model->rowAt(row);
        const auto image = pres ? pres->slide().objectCast<ImgSlide>() : nullptr;
        if (image && missing.contains(image->path()))
            model->remove(row);
    }
    syncSlides();
    refreshTimeline();
    record(tr("Remove Missing Photos"), before);
    return !current->slides().isEmpty();
}

void ProjectPres::startNew()
{
    save();
    clearProject();
}

void ProjectPres::clearProject()
{
    autosave.discard();
    history.clear();
    current->setId(QString());
    current->setTitle(QString());
    current->setPace(0);
    current->setFitsMusic(true);
    current->setCutsOnBeat(true);
    emit timingChanged();
    SlidesListModel* model = SlidesListModel::instance();
    while (model->rowCount() > 0)
        model->remove(0);
    syncSlides(false);
    publishTracks({});
}

// QML may write every property; each write stores the value and announces it.
void ProjectPres::setTimelineText(const QString& value)
{
    timeline = value;
    emit timelineChanged();
}

void ProjectPres::setTimelineValue(int value)
{
    timelinePercent = value;
    emit timelineChanged();
}

void ProjectPres::setAudioFiles(const QVariantList& value)
{
    trackMaps = value;
    emit audioChanged();
}

void ProjectPres::setAudioFilesCount(int value)
{
    trackCount = value;
    emit audioChanged();
}

void ProjectPres::setAudioTracksText(const QString& value)
{
    tracksText = value;
    emit audioTracksTextChanged();
}

void ProjectPres::setUsedSlidesNumber(int value)
{
    usedSlides = value;
    emit usedSlidesNumberChanged();
}

void ProjectPres::setSlidesNumber(int value)
{
    slideCount = value;
    emit slidesNumberChanged();
}

void ProjectPres::setThemeId(int id)
{
    const ProjectState before = capture();
    current->setThemeId(id);
    emit themeIdChanged();
    // The new theme's plan shows at once: separator, used slides and timeline.
    placeSeparator();
    refreshTimeline();
    autosave.changed();
    record(tr("Change Theme"), before);
}

QString ProjectPres::paceName(int seconds)
{
    return seconds > 0 ? tr("%1 s a photo").arg(seconds) : tr("The theme's pace");
}

QString ProjectPres::paceText() const
{
    return paceName(current->pace());
}

void ProjectPres::setPace(int seconds)
{
    if (seconds != current->pace())
        retime(tr("Change Pace"), [&] { current->setPace(seconds); });
}

void ProjectPres::setFitsMusic(bool fit)
{
    if (fit != current->fitsMusic())
        retime(fit ? tr("Fit to Music") : tr("Stop Fitting to Music"),
               [&] { current->setFitsMusic(fit); });
}

void ProjectPres::setCutsOnBeat(bool on)
{
    if (on != current->cutsOnBeat())
        retime(on ? tr("Cut on the Beat") : tr("Stop Cutting on the Beat"),
               [&] { current->setCutsOnBeat(on); });
}

void ProjectPres::beatsFound(const QString& path, const BeatGrid& grid)
{
    current->setTrackBeats(path, grid);
    placeSeparator();
    refreshTimeline();
    emit slidesChanged();
}

void ProjectPres::retime(const QString& text, const std::function<void()>& change)
{
    const ProjectState before = capture();
    change();
    emit timingChanged();
    replanned();
    record(text, before);
}

void ProjectPres::replanned()
{
    placeSeparator();
    refreshTimeline();
    emit slidesChanged();
    autosave.changed();
}

QString ProjectPres::clockText(int seconds, bool withHours)
{
    return QTime(0, 0, 0, 0)
        .addSecs(seconds)
        .toString(withHours ? QStringLiteral("h:mm:ss") : QStringLiteral("m:ss"));
}

QStringList ProjectPres::localPaths(const QVariant& urls)
{
    // QML hands over what its objects hold: a file dialog's `fileUrls` and a drop's `urls` are a
    // QList<QUrl>, a JavaScript array arrives as a QVariantList (or a QJSValue), and a single
    // url or path may come alone.
    QVariant items = urls;
    if (items.userType() == qMetaTypeId<QJSValue>())
        items = items.value<QJSValue>().toVariant();
    QVariantList list;
    if (items.userType() == qMetaTypeId<QList<QUrl>>()) {
        for (const QUrl& url : items.value<QList<QUrl>>())
            list << url;
    } else if (items.userType() == QMetaType::QUrl || items.userType() == QMetaType::QString) {
        list << items;
    } else if (items.canConvert<QVariantList>()) {
        list = items.toList();
    }
    QStringList paths;
    for (const QVariant& item : list) {
        const QUrl url = item.toUrl();
        const QString path = url.isLocalFile() ? url.toLocalFile() : item.toString();
        if (!path.isEmpty())
            paths << path;
    }
    return paths;
}

bool ProjectPres::allSlidesUsed() const
{
    return current->usedSlides() == current->slides().size();
}

QString ProjectPres::timelineFor(double duration, double audio, int* value)
{
    QString text = clockText(int(duration + 0.01), duration >= 3600);
    *value = 100;
    if (audio > 0) {
        *value = int(duration / audio * 100);
        text += QStringLiteral(" / ") + clockText(int(audio), audio >= 3600);
    }
    return text + QLatin1Char(' ');
}

double ProjectPres::videoSeconds() const
{
    // To the frame, as the preview and the render play it: each scene hand-over shares frames.
    const QSharedPointer<TemplateDescription> theme = current->templateDescription();
    if (!theme || current->slides().isEmpty())
        return double(current->duration());
    return double(PlanPlayer::videoFrames(*current, *theme)) / FrameSink::kFramesPerSecond;
}

void ProjectPres::refreshTimeline()
{
    const double video = videoSeconds();
    timeline = timelineFor(video, audioSeconds, &timelinePercent);
    // Less than a twentieth of a second is rounding, not music anyone misses.
    const double leftOut = current->slides().isEmpty() ? 0.0 : audioSeconds - video;
    const QLocale locale;
    leftOutNote = leftOut >= 0.05
                      ? tr("The video lasts %1 s; the last %2 s of the music are left out.")
                            .arg(locale.toString(video, 'f', 1), locale.toString(leftOut, 'f', 1))
                      : QString();
    emit timelineChanged();
}

void ProjectPres::placeSeparator()
{
    SlidesListModel::instance()->placeSeparator(current->usedSlides(), current->slides().size());
    if (current->usedSlides() != usedSlides) {
        usedSlides = current->usedSlides();
        emit usedSlidesNumberChanged();
    }
}

QString ProjectPres::audioLabel() const
{
    if (trackCount == 0)
        return tr("Click here to Add Background Music");
    if (trackCount > 1)
        return tr("%n Audio Files", nullptr, trackCount);
    const QVariantMap track = trackMaps.first().toMap();
    return (track.value(QStringLiteral("songName")).toString() + QLatin1Char(' ') +
            track.value(QStringLiteral("artistName")).toString())
        .trimmed();
}

void ProjectPres::publishTracks(const TrackList& tracks)
{
    current->setAudio(tracks);
    audioSeconds = current->audioDuration();
    trackMaps.clear();
    for (const QSharedPointer<MediaFileInfo>& track : tracks)
        trackMaps << track->toVariantMap();
    trackCount = tracks.size();
    emit audioChanged();
    refreshTimeline();
    placeSeparator();
    if (tracks.isEmpty()) {
        tracksText.clear();
    } else if (tracks.size() == 1) {
        const MediaFileInfo& track = *tracks.first();
        const bool named = !track.title().isEmpty() || !track.fileNameTagValue().isEmpty();
        tracksText = named || track.artist().isEmpty() ? track.songName() : track.artist();
    } else {
        tracksText = QString::number(tracks.size()) + QLatin1Char(' ') + tr("Audio Files");
    }
    emit audioTracksTextChanged();
}

void ProjectPres::syncSlides(bool edited)
{
    SlidesListModel* model = SlidesListModel::instance();
    current->setSlides(model->slides());
    placeSeparator();
    emit slidesChanged();
    slideCount = current->slides().size();
    emit slidesNumberChanged();
    if (edited)
        autosave.changed();
}

bool ProjectPres::readTrack(const QString& path, TrackList* tracks, QStringList* refused)
{
    try {
        *tracks << MediaFileInfo::fromFile(path);
        return true;
    } catch (const Failure&) {
        *refused << QFileInfo(path).fileName(); // named in the notice of skipped files
        return false;
    }
}

void ProjectPres::reportSkipped(const PictureFolder::Scan& scan, const QStringList& badMusic)
{
    const QString message = SkippedFilesNotice::message(scan, badMusic);
    if (!message.isEmpty())
        emit filesSkipped(SkippedFilesNotice::title(), message);
}

void ProjectPres::addAudio(const QVariant& urls)
{
    const ProjectState before = capture();
    TrackList tracks = current->audio();
    QStringList refused;
    for (const QString& path : localPaths(urls))
        readTrack(path, &tracks, &refused);
    publishTracks(tracks);
    autosave.changed();
    reportSkipped({}, refused);
    record(tr("Add Music"), before);
}

void ProjectPres::removeAudio(int index)
{
    const ProjectState before = capture();
    TrackList tracks = current->audio();
    if (index >= 0 && index < tracks.size())
        tracks.removeAt(index);
    publishTracks(tracks);
    autosave.changed();
    record(tr("Remove Music"), before);
}

void ProjectPres::moveAudioForward(int index)
{
    const ProjectState before = capture();
    TrackList tracks = current->audio();
    if (index < 0 || index + 1 >= tracks.size())
        return;
    tracks.move(index, index + 1);
    publishTracks(tracks);
    autosave.changed();
    record(tr("Reorder Music"), before);
}

void ProjectPres::moveAudioBack(int index)
{
    const ProjectState before = capture();
    TrackList tracks = current->audio();
    if (index < 1 || index >= tracks.size())
        return;
    tracks.move(index, index - 1);
    publishTracks(tracks);
    autosave.changed();
    record(tr("Reorder Music"), before);
}

void ProjectPres::addPictures(const QStringList& paths)
{
    ThumbGenerator* generator = ThumbGenerator::instance();
    generator->pause(); // previews of the whole batch first, full decodes after
    const bool allUsedBefore = allSlidesUsed();
    SlidesListModel* model = SlidesListModel::instance();
    for (const QString& path : paths)
        model->append(new ImgSlidePres(QSharedPointer<ImgSlide>::create(path), pixelRatio));
    syncSlides();
    refreshTimeline();
    generator->resume();
    if (allUsedBefore && !allSlidesUsed())
        emit scrollToSeparator();
    else
        emit scrollToBottom();
}

void ProjectPres::addImages(const QVariant& urls)
{
    const ProjectState before = capture();
    const PictureFolder::Scan scan = PictureFolder::scanFiles(localPaths(urls));
    addPictures(scan.pictures);
    reportSkipped(scan);
    record(tr("Add Photos"), before);
}

void ProjectPres::addImagesFolder(const QVariant& urls)
{
    const ProjectState before = capture();
    PictureFolder::Scan all;
    for (const QString& folder : localPaths(urls)) {
        if (!QFileInfo(folder).isDir())
            continue;
        const PictureFolder::Scan scan = PictureFolder::scanFolder(folder);
        all.pictures << scan.pictures;
        all.unreadable << scan.unreadable;
        all.notPictures << scan.notPictures;
    }
    addPictures(all.pictures);
    reportSkipped(all);
    record(tr("Add Photos"), before);
}

void ProjectPres::addTextSlide(const QString& text)
{
    insertTextSlide(-1, text);
}

void ProjectPres::insertTextSlide(int row, const QString& text)
{
    const ProjectState before = capture();
    SlidesListModel* model = SlidesListModel::instance();
    auto* slide = new TextSlidePres(QSharedPointer<TextSlide>::create(text.trimmed()));
    const bool atEnd = row < 0 || row >= model->rowCount();
    if (atEnd)
        model->append(slide);
    else
        model->insert(slide, row);
    syncSlides();
    refreshTimeline();
    record(tr("Add Text"), before);
    if (atEnd)
        emit scrollToBottom();
}

void ProjectPres::removeSlides(const QList<int>& rows)
{
    const ProjectState before = capture();
    QList<int> sorted = rows;
    std::sort(sorted.begin(), sorted.end(), std::greater<int>());
    SlidesListModel* model = SlidesListModel::instance();
    for (int row : sorted)
        if (model->flags(model->index(row)) & Qt::ItemIsSelectable)
            model->remove(row);
    syncSlides();
    refreshTimeline();
    record(rows.size() == 1 ? tr("Remove Slide") : tr("Remove Slides"), before);
}

void ProjectPres::editTextSlide(int index, const QString& text)
{
    const ProjectState before = capture();
    SlidesListModel::instance()->setText(index, text);
    autosave.changed();
    record(tr("Edit Text"), before);
}

void ProjectPres::removeSlide(int index)
{
    const ProjectState before = capture();
    SlidesListModel::instance()->remove(index);
    syncSlides();
    refreshTimeline();
    record(tr("Remove Slide"), before);
}

void ProjectPres::move(const QList<int>& rows, int to)
{
    const ProjectState before = capture();
    SlidesListModel::instance()->move(rows, to);
    syncSlides();
    refreshTimeline();
    record(tr("Move Slides"), before);
}

void ProjectPres::rotate(int index, bool clockwise)
{
    const ProjectState before = capture();
    SlidesListModel::instance()->rotate(index, clockwise);
    autosave.changed();
    record(tr("Turn Photo"), before);
}

bool ProjectPres::checkUrls(const QVariant& urls) const
{
    for (const QString& path : localPaths(urls))
        if (PictureFolder::isPicture(path) || PictureFolder::isMusic(path))
            return true;
    return false;
}

bool ProjectPres::insertFiles(int index, const QVariant& urls)
{
    const ProjectState before = capture();
    ThumbGenerator* generator = ThumbGenerator::instance();
    generator->pause();
    const bool allUsedBefore = allSlidesUsed();
    TrackList tracks = current->audio();
    SlidesListModel* model = SlidesListModel::instance();
    bool taken = false;
    PictureFolder::Scan skipped;
    QStringList badMusic;
    for (const QString& path : localPaths(urls)) {
        if (PictureFolder::isMusic(path)) {
            taken = readTrack(path, &tracks, &badMusic) || taken;
        } else if (!PictureFolder::isPicture(path)) {
            skipped.notPictures << QFileInfo(path).fileName();
        } else if (!PictureFolder::canRead(path)) {
            skipped.unreadable << QFileInfo(path).fileName();
        } else {
            auto* row = new ImgSlidePres(QSharedPointer<ImgSlide>::create(path), pixelRatio);
            // Every picture of one drop goes to the same row: a group ends up reversed there.
            if (index < 0)
                model->append(row);
            else
                model->insert(row, index);
            taken = true;
        }
    }
    publishTracks(tracks);
    syncSlides();
    refreshTimeline();
    generator->resume();
    if (allUsedBefore && !allSlidesUsed())
        emit scrollToSeparator();
    record(tr("Add Files"), before);
    reportSkipped(skipped, badMusic);
    return taken;
}

bool ProjectPres::save()
{
    return autosave.flush();
}

void ProjectPres::loadPrj(int index)
{
    // What is pending belongs to the project shown until now, whose id is about to change.
    autosave.flush();
    history.clear();
    QStringList missing;
    const QSharedPointer<Project> loaded =
        SavedProjectsPres::instance()->loadProject(index, &missing);
    if (!loaded)
        return;
    current->setId(loaded->id());
    current->setTitle(loaded->title());
    current->setPace(loaded->pace());
    current->setFitsMusic(loaded->fitsMusic());
    current->setCutsOnBeat(loaded->cutsOnBeat());
    emit timingChanged();
    current->setThemeId(loaded->themeId());
    emit themeIdChanged();

    SlidesListModel* model = SlidesListModel::instance();
    while (model->rowCount() > 0)
        model->remove(0);
    for (const QSharedPointer<Slide>& slide : loaded->slides()) {
        if (const auto text = slide.objectCast<TextSlide>()) {
            model->append(new TextSlidePres(text));
        } else if (const auto image = slide.objectCast<ImgSlide>()) {
            QFile file(image->path());
            if (file.open(QIODevice::ReadOnly))
                model->append(new ImgSlidePres(image, pixelRatio));
            else
                missing << image->path();
        }
    }
    syncSlides(false);
    publishTracks(loaded->audio());
    if (!missing.isEmpty())
        emit missedImageFiles(missing);
}
