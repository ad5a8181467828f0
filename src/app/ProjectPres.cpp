#include "app/ProjectPres.h"

#include "app/ImgSlidePres.h"
#include "app/SavedProjectsPres.h"
#include "app/SlidesListModel.h"
#include "app/TextSlidePres.h"
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

ProjectPres* ProjectPres::instance()
{
    static ProjectPres* const presenter = new ProjectPres;
    return presenter;
}

ProjectPres::ProjectPres(QObject* parent) : QObject(parent) {}

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
    current->setThemeId(id);
    emit themeIdChanged();
    // The new theme's plan shows at once: separator, used slides and timeline.
    placeSeparator();
    refreshTimeline();
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

void ProjectPres::refreshTimeline()
{
    timeline = timelineFor(double(current->duration()), audioSeconds, &timelinePercent);
    const double leftOut = current->musicLeftOut();
    const QLocale locale;
    leftOutNote = leftOut > 0 ? tr("The video lasts %1 s; the last %2 s of the music are left out.")
                                    .arg(locale.toString(double(current->duration()), 'f', 1),
                                         locale.toString(leftOut, 'f', 1))
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

void ProjectPres::syncSlides(bool autoSave)
{
    SlidesListModel* model = SlidesListModel::instance();
    current->setSlides(model->slides());
    placeSeparator();
    emit slidesChanged();
    slideCount = current->slides().size();
    emit slidesNumberChanged();
    if (autoSave)
        autoSaveTick();
}

void ProjectPres::addAudio(const QVariant& urls)
{
    TrackList tracks = current->audio();
    for (const QString& path : localPaths(urls)) {
        try {
            tracks << MediaFileInfo::fromFile(path);
        } catch (int) {
            // Unreadable music is skipped; the reader has told the user why.
        }
    }
    publishTracks(tracks);
}

void ProjectPres::removeAudio(int index)
{
    TrackList tracks = current->audio();
    if (index >= 0 && index < tracks.size())
        tracks.removeAt(index);
    publishTracks(tracks);
}

void ProjectPres::moveAudioForward(int index)
{
    TrackList tracks = current->audio();
    if (index < 0 || index + 1 >= tracks.size())
        return;
    tracks.move(index, index + 1);
    publishTracks(tracks);
}

void ProjectPres::moveAudioBack(int index)
{
    TrackList tracks = current->audio();
    if (index < 1 || index >= tracks.size())
        return;
    tracks.move(index, index - 1);
    publishTracks(tracks);
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
    addPictures(localPaths(urls));
}

void ProjectPres::addImagesFolder(const QVariant& urls)
{
    QStringList pictures;
    for (const QString& folder : localPaths(urls))
        if (QFileInfo(folder).isDir())
            pictures << PictureFolder::pictures(folder);
    addPictures(pictures);
}

void ProjectPres::addTextSlide(const QString& text)
{
    SlidesListModel::instance()->append(
        new TextSlidePres(QSharedPointer<TextSlide>::create(text.trimmed())));
    syncSlides();
    refreshTimeline();
    emit scrollToBottom();
}

void ProjectPres::editTextSlide(int index, const QString& text)
{
    SlidesListModel::instance()->setText(index, text);
}

void ProjectPres::removeSlide(int index)
{
    SlidesListModel::instance()->remove(index);
    syncSlides();
    refreshTimeline();
}

void ProjectPres::move(const QList<int>& rows, int to)
{
    SlidesListModel::instance()->move(rows, to);
    syncSlides();
    refreshTimeline();
}

void ProjectPres::rotate(int index, bool clockwise)
{
    SlidesListModel::instance()->rotate(index, clockwise);
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
    ThumbGenerator* generator = ThumbGenerator::instance();
    generator->pause();
    const bool allUsedBefore = allSlidesUsed();
    TrackList tracks = current->audio();
    SlidesListModel* model = SlidesListModel::instance();
    bool taken = false;
    for (const QString& path : localPaths(urls)) {
        if (PictureFolder::isMusic(path)) {
            try {
                tracks << MediaFileInfo::fromFile(path);
                taken = true;
            } catch (int) {
                // skipped, as when added through the track list
            }
        } else if (PictureFolder::isPicture(path)) {
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
    return taken;
}

void ProjectPres::save()
{
    // A project is worth keeping from five rows on (the separator counts).
    if (SlidesListModel::instance()->rowCount() >= 5)
        SavedProjectsPres::instance()->saveProject(current);
}

void ProjectPres::autoSaveTick()
{
    // Shared by every project of the run: the first qualifying change saves, then every fifth.
    static int counter = 0;
    if (SlidesListModel::instance()->rowCount() < 5)
        return;
    if (counter % 5 == 0)
        SavedProjectsPres::instance()->saveProject(current);
    if (++counter > 10000)
        counter = 0;
}

void ProjectPres::loadPrj(int index)
{
    QStringList missing;
    const QSharedPointer<Project> loaded =
        SavedProjectsPres::instance()->loadProject(index, &missing);
    if (!loaded)
        return;
    current->setId(loaded->id());
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
