#pragma once

#include "media/BeatGrid.h"
#include "media/MediaFileInfo.h"
#include "project/BeatCuts.h"
#include "project/ScenePlanEntry.h"
#include "project/Slide.h"
#include "project/UserData.h"
#include "templates/TemplateDescription.h"

#include <QHash>
#include <QList>
#include <QSet>
#include <QSharedPointer>
#include <QString>
#include <QVector>

using TrackList = QList<QSharedPointer<MediaFileInfo>>;

// What the user is building: a theme, slides and music tracks, and the scene plan that maps the
// slides onto the theme's scenes until the music runs out. Written on the GUI thread; a running
// render reads the same object (the user interface does not edit while rendering).
class Project
{
public:
    // Frames at 30 per second, in seconds.
    static constexpr double kSecondsPerFrame = 0.033333335;

    float duration() const { return videoDuration; } // seconds the plan fills
    QString id() const { return projectId; }
    void setId(const QString& id) { projectId = id; }
    // The name the person gave the project (empty for none): listed on the start screen and
    // naming its videos. Kept in the project's info.xml.
    QString title() const { return projectTitle; }
    void setTitle(const QString& title) { projectTitle = title; }
    QSharedPointer<TemplateDescription> templateDescription() const { return description; }
    int themeId() const { return theme; }
    const TrackList& audio() const { return tracks; }
    const QVector<QSharedPointer<Slide>>& slides() const { return slideList; }
    int usedSlides() const { return used; }
    const UserData& userData() const { return settings; }
    QSharedPointer<QList<ScenePlanEntry>> scenePlan() const { return plan; }

    // Loads the theme's "template.xml" and recomputes the plan.
    void setThemeId(int id);
    // Uses an already parsed theme (its id becomes the theme id) and recomputes the plan.
    void setTemplateDescription(QSharedPointer<TemplateDescription> theme);
    void setAudio(const TrackList& list);
    void setSlides(const QVector<QSharedPointer<Slide>>& list);
    void setUserData(const UserData& data) { settings = data; }

    // The seconds a photo rests in a scene's hold (1 to 8), or 0 for the theme's own timing.
    // Without music it sets the holds; with music it is the pace the plan places slides at.
    int pace() const { return paceSeconds; }
    void setPace(int seconds);
    // With music, whether the holds stretch or shorten so that the video ends with it.
    bool fitsMusic() const { return fitMusic; }
    void setFitsMusic(bool fit);
    // With music, whether the scenes change on the music's beats (those of the tracks whose
    // beats are known, setTrackBeats()).
    bool cutsOnBeat() const { return beatCuts; }
    void setCutsOnBeat(bool on);
    // The beats found in the track at `path`; the plan puts its cuts on them from now on.
    void setTrackBeats(const QString& path, const BeatGrid& grid);
    bool hasTrackBeats(const QString& path) const { return trackBeats.contains(path); }
    // The beats of all the tracks, in frames from the video's start, the tracks one after the
    // other as they play.
    QVector<BeatCuts::Beat> beats() const;
    static constexpr int kMinPace = 1;
    static constexpr int kMaxPace = 8;

    // Sum of the tracks' durations in seconds.
    double audioDuration() const;
    // Seconds of music after the video's end (they are left out); 0 when the music is not longer.
    double musicLeftOut() const;

private:
    void computePlan();
    // The frames a scene is placed with: its shortest when the plan fits the music at the
    // theme's own pace, else its hold at the pace (as designed for the theme's own); at least
    // `room` frames longer than its shortest where it can be.
    int placedLength(const Scene& scene, bool fitting, int room) const;
    // The music's beat in frames (the slowest track's), rounded up; 0 without beats.
    int beatFrames() const;
    // Stretches or shortens the placed scenes' holds, each within its limits and in proportion
    // to its room, until the video lasts `frames`; true when it does.
    bool fitTo(int frames);
    // Whether the photos from slide `from` on (up to `end`) suit the scene's slots, portrait
    // photos in portrait slots and landscape ones in landscape slots.
    bool suits(const Scene& scene, int from, int end) const;
    // For a theme that asks for it: instead of the scene at `it`, when it does not suit the
    // photos, the next photo scene of the cycle that does; a scene passed over is taken the next
    // time the cycle comes to it, so none is passed over twice running and all are used.
    void preferFitting(TemplateDescription::SceneMap::const_iterator& it, int from, int end,
                       QSet<int>* skipped) const;
    // Moves the hand-overs onto the music's beats; true when any moved.
    bool cutOnBeats(bool fitting, double audio);
    // The plan's length as its scenes' lengths less their overlaps.
    double plannedSeconds() const;

    float videoDuration = 0.0f;
    QString projectId;
    QString projectTitle;
    QSharedPointer<TemplateDescription> description;
    int theme = 0;
    TrackList tracks;
    QVector<QSharedPointer<Slide>> slideList;
    int used = 0;
    UserData settings;
    int paceSeconds = 0;
    bool fitMusic = true;
    bool beatCuts = true;
    QHash<QString, BeatGrid> trackBeats;
    QSharedPointer<QList<ScenePlanEntry>> plan = QSharedPointer<QList<ScenePlanEntry>>::create();
};
