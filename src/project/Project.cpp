#include "project/Project.h"

#include "project/TextSlide.h"
#include "templates/TemplateParser.h"
#include "templates/TextScene.h"

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
            const Scene& scene = **it;
            const int objects = scene.objectCount();
            const bool usable =
                budget > scene.frames * kSecondsPerFrame && objects <= runEnd - index;
            if (!usable) {
                ++misses;
            } else {
                misses = 0;
                if (videoDuration > 0)
                    videoDuration = float(videoDuration - overlap);
                used += objects;
                videoDuration = float(videoDuration + scene.frames * kSecondsPerFrame);
                budget = (audio > 0 ? audio : 1000000.0) - videoDuration;
                ScenePlanEntry entry;
                entry.sceneId = it.key();
                entry.slides = slideList.mid(index, objects);
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
}
