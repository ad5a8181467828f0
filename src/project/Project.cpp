#include "project/Project.h"

#include "project/ImgSlide.h"
#include "project/TextSlide.h"
#include "templates/ImgScene.h"
#include "templates/TemplateParser.h"
#include "templates/TextScene.h"

#include <QSet>

#include <algorithm>
#include <cmath>

void Project::setThemeId(int id)
{
    theme = id;
    description = loadTemplate(id);
    computePlan();
}

void Project::setTemplateDescription(QSharedPointer<TemplateDescription> themeDescription)
{
    description = std::move(themeDescription);
    theme = description ? description->id : 0;
    computePlan();
}

void Project::setAudio(const TrackList& list)
{
    tracks = list;
    computePlan();
}

void Project::setSlides(const QVector<QSharedPointer<Slide>>& list)
{
    slideList = list;
    computePlan();
}

void Project::setPace(int seconds)
{
    paceSeconds = seconds <= 0 ? 0 : qBound(kMinPace, seconds, kMaxPace);
    computePlan();
}

void Project::setFitsMusic(bool fit)
{
    fitMusic = fit;
    computePlan();
}

void Project::setCutsOnBeat(bool on)
{
    beatCuts = on;
    computePlan();
}

void Project::setTrackBeats(const QString& path, const BeatGrid& grid)
{
    trackBeats.insert(path, grid);
    computePlan();
}

QVector<BeatCuts::Beat> Project::beats() const
{
    QVector<BeatCuts::Beat> all;
    double offset = 0.0;
    for (const QSharedPointer<MediaFileInfo>& track : tracks) {
        for (const BeatGrid::Beat& beat : trackBeats.value(track->path()).beats)
            all << BeatCuts::Beat{(offset + beat.seconds) * 30.0, beat.onset, beat.bar};
        offset += double(track->duration());
    }
    return all;
}

double Project::audioDuration() const
{
    double total = 0.0;
    for (const QSharedPointer<MediaFileInfo>& track : tracks)
        total += double(track->duration());
    return total;
}

double Project::musicLeftOut() const
{
    if (slideList.isEmpty() || videoDuration <= 0)
        return 0.0;
    const double left = audioDuration() - double(videoDuration);
    // Less than a twentieth of a second is rounding, not music anyone misses.
    return left >= 0.05 ? left : 0.0;
}

void Project::computePlan()
{
    const double audio = audioDuration();
    videoDuration = 0.0f;
    used = 0;
    plan = QSharedPointer<QList<ScenePlanEntry>>::create();
    if (slideList.isEmpty() || !description || description->scenes->isEmpty())
        return;

    const TemplateDescription::SceneMap& scenes = *description->scenes;
    const bool fitting = audio > 0 && fitMusic;
    // Cuts on the beat need room to move: a beat either way from where the plan puts them.
    const int beatRoom = audio > 0 && beatCuts ? beatFrames() : 0;
    const double overlap = description->sceneOverflow * kSecondsPerFrame;
    double budget = audio > 0 ? audio : 10000000.0;
    // Image and text slides each walk the scenes in a cycle of their own.
    QMap<int, TemplateDescription::SceneMap::const_iterator> position{
        {Slide::Image, scenes.cbegin()}, {Slide::Text, scenes.cbegin()}};
    auto stepForward = [&](TemplateDescription::SceneMap::const_iterator& it) {
        if (++it == scenes.cend())
            it = scenes.cbegin();
    };

    bool stopped = false;
    int index = 0;
    QSet<int> skipped; // scenes passed over the last time the cycle came to them
    while (index < slideList.size() && !stopped) {
        // A run of consecutive slides of one type.
        const int type = slideList[index]->type();
        int runEnd = index;
        while (runEnd < slideList.size() && slideList[runEnd]->type() == type)
            ++runEnd;
        const int sceneType = type == Slide::Image ? Scene::ImageSlides : Scene::TextSlides;
        auto& it = position[type];
        int misses = 0;
        int idleScenes = 0; // scenes used in a row that placed no slide
        while (index < runEnd) {
            int searched = 0;
            while ((*it)->type != sceneType && searched++ < scenes.size())
                stepForward(it);
            if ((*it)->type != sceneType) {
                stopped = true; // the theme has no scene for this kind of slide
                break;
            }
            if (description->orientationAware && type == Slide::Image)
                preferFitting(it, index, runEnd, &skipped);
            const Scene& scene = **it;
            const int objects = scene.objectCount();
            const int length = placedLength(scene, fitting, beatRoom);
            const bool usable = budget > length * kSecondsPerFrame && objects <= runEnd - index;
            if (!usable) {
                ++misses;
            } else {
                misses = 0;
                if (videoDuration > 0)
                    videoDuration = float(videoDuration - overlap);
                used += objects;
                videoDuration = float(videoDuration + length * kSecondsPerFrame);
                budget = (audio > 0 ? audio : 1000000.0) - videoDuration;
                ScenePlanEntry entry;
                entry.sceneId = it.key();
                entry.slides = slideList.mid(index, objects);
                entry.frames = length;
                if (scene.type == Scene::TextSlides) {
                    const auto& textObjects = *static_cast<const TextScene&>(scene).objects;
                    for (int k = 0; k < objects; ++k)
                        if (textObjects.contains(k))
                            entry.slides[k].objectCast<TextSlide>()->setMedia(textObjects.value(k));
                }
                plan->append(entry);
                index += objects;
                // Scenes without objects place nothing; a whole cycle of them cannot go on for
                // ever.
                idleScenes = objects == 0 ? idleScenes + 1 : 0;
            }
            if (misses > scenes.size() || idleScenes > scenes.size()) {
                stopped = true;
                break;
            }
            stepForward(it);
        }
    }
    // The duration is what the plan's scenes really play, also when the music is longer: the
    // render writes exactly these frames and fades the music out over their last second.
    // Fitted to the music, the video ends with it, to the frame.
    const bool fitted =
        fitting && !plan->isEmpty() && fitTo(int(std::lround(audio / kSecondsPerFrame)));
    if (fitting && !plan->isEmpty())
        videoDuration = float(fitted ? audio : plannedSeconds());
    if (audio > 0 && beatCuts && plan->size() > 1 && cutOnBeats(fitted, audio) && !fitted)
        videoDuration = float(plannedSeconds());
}

bool Project::cutOnBeats(bool fitting, double audio)
{
    QVector<BeatCuts::Span> spans;
    for (const ScenePlanEntry& entry : *plan) {
        const Scene& scene = *description->scenes->value(entry.sceneId);
        spans << BeatCuts::Span{entry.frames > 0 ? entry.frames : scene.frames, scene.shortest(),
                                scene.longest()};
    }
    const QVector<int> frames = BeatCuts::place(spans, description->sceneOverflow, beats(), fitting,
                                                int(std::lround(audio / kSecondsPerFrame)));
    bool moved = false;
    for (int k = 0; k < plan->size(); ++k) {
        moved = moved || (*plan)[k].frames != frames[k];
        (*plan)[k].frames = frames[k];
    }
    return moved;
}

double Project::plannedSeconds() const
{
    double seconds = 0.0;
    for (const ScenePlanEntry& entry : *plan)
        seconds += entry.frames * kSecondsPerFrame;
    return seconds - (plan->size() - 1) * description->sceneOverflow * kSecondsPerFrame;
}

bool Project::suits(const Scene& scene, int from, int end) const
{
    if (scene.type != Scene::ImageSlides || scene.objectCount() > end - from)
        return false;
    int k = from;
    for (const QSharedPointer<ImgObject>& slot : *static_cast<const ImgScene&>(scene).objects) {
        const auto photo = slideList[k++].objectCast<ImgSlide>();
        if (photo && photo->isPortrait() != (slot->aspect < 1.0f))
            return false;
    }
    return true;
}

void Project::preferFitting(TemplateDescription::SceneMap::const_iterator& it, int from, int end,
                            QSet<int>* skipped) const
{
    const TemplateDescription::SceneMap& scenes = *description->scenes;
    // A scene passed over once is taken the next time: every scene keeps its turn.
    if (suits(**it, from, end) || skipped->contains(it.key())) {
        skipped->remove(it.key());
        return;
    }
    // The next photo scene of the cycle that suits, unless one passed over last time comes first.
    QList<int> passed{it.key()};
    auto next = it;
    for (int searched = 1; searched < scenes.size(); ++searched) {
        if (++next == scenes.cend())
            next = scenes.cbegin();
        if ((*next)->type != Scene::ImageSlides)
            continue;
        if (next == it || skipped->contains(next.key()))
            return;
        if (suits(**next, from, end)) {
            for (int id : passed)
                skipped->insert(id);
            it = next;
            return;
        }
        passed << next.key();
    }
}

int Project::placedLength(const Scene& scene, bool fitting, int room) const
{
    if (scene.holdFrames() == 0)
        return scene.frames;
    if (paceSeconds > 0)
        return scene.clampedLength(
            qMax(scene.lengthWithHold(int(paceSeconds / kSecondsPerFrame + 0.5)),
                 scene.shortest() + room));
    return scene.clampedLength(fitting ? scene.shortest() + room : scene.frames);
}

int Project::beatFrames() const
{
    // The slowest track's beat: every track has room for its own.
    double longest = 0.0;
    for (const QSharedPointer<MediaFileInfo>& track : tracks) {
        const BeatGrid grid = trackBeats.value(track->path());
        if (grid.beats.size() >= 2 && grid.tempo > 0)
            longest = qMax(longest, 60.0 * 30.0 / grid.tempo);
    }
    return int(std::ceil(longest));
}

bool Project::fitTo(int frames)
{
    // A scene hands over to the next one `sceneOverflow` frames before its end, and the frame of
    // the hand-over is the next scene's: each hand-over takes that many frames and one more off
    // the video.
    const int overflow = description->sceneOverflow;
    const int handOver = overflow >= 1 ? overflow + 1 : 0;
    int video = -(plan->size() - 1) * handOver;
    QVector<int> room;
    for (const ScenePlanEntry& entry : *plan)
        video += entry.frames;
    const int need = frames - video;
    if (need == 0)
        return true;
    qint64 totalRoom = 0;
    for (const ScenePlanEntry& entry : *plan) {
        const Scene& scene = *description->scenes->value(entry.sceneId);
        room << (need > 0 ? scene.longest() - entry.frames : entry.frames - scene.shortest());
        totalRoom += room.back();
    }
    const qint64 wanted = qAbs(need);
    const qint64 given = qMin(wanted, totalRoom);
    if (given == 0)
        return false;
    // Shares in proportion to each scene's room; the frames that rounding leaves go to the
    // scenes with the largest remainders.
    QVector<qint64> shares(room.size());
    QVector<QPair<qint64, int>> remainders;
    qint64 handed = 0;
    for (int k = 0; k < room.size(); ++k) {
        shares[k] = given * room[k] / qMax<qint64>(1, totalRoom);
        handed += shares[k];
        remainders << qMakePair(given * room[k] % qMax<qint64>(1, totalRoom), k);
    }
    std::sort(remainders.begin(), remainders.end(), [](const auto& a, const auto& b) {
        return a.first != b.first ? a.first > b.first : a.second < b.second;
    });
    for (int i = 0; handed < given && i < remainders.size(); ++i) {
        const int k = remainders[i].second;
        if (shares[k] < room[k]) {
            ++shares[k];
            ++handed;
        }
    }
    for (int k = 0; k < room.size(); ++k)
        (*plan)[k].frames += int(need > 0 ? shares[k] : -shares[k]);
    return given == wanted;
}
