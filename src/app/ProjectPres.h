#pragma once

#include "app/ProjectAutosave.h"
#include "app/ProjectState.h"
#include "project/PictureFolder.h"
#include "project/Project.h"

#include <QObject>
#include <QSharedPointer>
#include <QStringList>
#include <QUndoStack>
#include <QVariant>
#include <QVariantList>

#include <functional>

// The project as the main screen sees it ("project" in QML): owns the one current Project,
// is the only writer of the slides grid, and keeps the timeline text and bar, the track list and
// its summary, and how many slides fit into the music. GUI thread only.
class ProjectPres : public QObject
{
    Q_OBJECT
    Q_PROPERTY(QString timelineText READ timelineText WRITE setTimelineText NOTIFY timelineChanged)
    Q_PROPERTY(int timelineValue READ timelineValue WRITE setTimelineValue NOTIFY timelineChanged)
    // Says how much of the music the video leaves out; empty when none is.
    Q_PROPERTY(QString musicNote READ musicNote NOTIFY timelineChanged)
    Q_PROPERTY(QVariantList audioFiles READ audioFiles WRITE setAudioFiles NOTIFY audioChanged)
    Q_PROPERTY(
        int audioFilesCount READ audioFilesCount WRITE setAudioFilesCount NOTIFY audioChanged)
    Q_PROPERTY(QString audioTracksText READ audioTracksText WRITE setAudioTracksText NOTIFY
                   audioTracksTextChanged)
    // What the timeline says about the music: an invitation to add some, the one track's song
    // and artist, or how many tracks there are.
    Q_PROPERTY(QString audioLabel READ audioLabel NOTIFY audioChanged)
    Q_PROPERTY(int themeId READ themeId WRITE setThemeId NOTIFY themeIdChanged)
    Q_PROPERTY(int usedSlidesNumber READ usedSlidesNumber WRITE setUsedSlidesNumber NOTIFY
                   usedSlidesNumberChanged)
    Q_PROPERTY(int slidesNumber READ slidesNumber WRITE setSlidesNumber NOTIFY slidesNumberChanged)
    // The file choosers' patterns ("*.jpg *.JPG ..."): the formats the project takes.
    Q_PROPERTY(QString pictureFilter READ pictureFilter CONSTANT)
    Q_PROPERTY(QString musicFilter READ musicFilter CONSTANT)
    // The edit history: what Undo and Redo would do ("Add Photos"), empty when nothing.
    Q_PROPERTY(bool canUndo READ canUndo NOTIFY historyChanged)
    Q_PROPERTY(bool canRedo READ canRedo NOTIFY historyChanged)
    Q_PROPERTY(QString undoText READ undoText NOTIFY historyChanged)
    Q_PROPERTY(QString redoText READ redoText NOTIFY historyChanged)
    // The seconds a photo rests (1 to 8), 0 for the theme's own timing, and how the pace control
    // says it; with music, whether the video is fitted to end with it.
    Q_PROPERTY(int pace READ pace NOTIFY timingChanged)
    Q_PROPERTY(QString paceText READ paceText NOTIFY timingChanged)
    Q_PROPERTY(bool fitsMusic READ fitsMusic NOTIFY timingChanged)
    // With music, whether the scenes change on its beats.
    Q_PROPERTY(bool cutsOnBeat READ cutsOnBeat NOTIFY timingChanged)
public:
    static ProjectPres* instance();

    QSharedPointer<Project> project() const { return current; }
    void setDevicePixelRatio(double ratio) { pixelRatio = ratio; }
    double devicePixelRatio() const { return pixelRatio; }
    double audioDuration() const { return audioSeconds; }

    QString timelineText() const { return timeline; }
    void setTimelineText(const QString& value);
    int timelineValue() const { return timelinePercent; }
    QString musicNote() const { return leftOutNote; }
    void setTimelineValue(int value);
    QVariantList audioFiles() const { return trackMaps; }
    void setAudioFiles(const QVariantList& value);
    int audioFilesCount() const { return trackCount; }
    void setAudioFilesCount(int value);
    QString audioTracksText() const { return tracksText; }
    void setAudioTracksText(const QString& value);
    QString audioLabel() const;
    int themeId() const { return current->themeId(); }
    void setThemeId(int id);
    int usedSlidesNumber() const { return usedSlides; }
    void setUsedSlidesNumber(int value);
    int slidesNumber() const { return slideCount; }
    void setSlidesNumber(int value);

    static QString pictureFilter() { return PictureFolder::pictureFilter(); }
    static QString musicFilter() { return PictureFolder::musicFilter(); }

    int pace() const { return current->pace(); }
    QString paceText() const;
    bool fitsMusic() const { return current->fitsMusic(); }
    Q_INVOKABLE void setPace(int seconds);
    Q_INVOKABLE void setFitsMusic(bool fit);
    bool cutsOnBeat() const { return current->cutsOnBeat(); }
    Q_INVOKABLE void setCutsOnBeat(bool on);
    // The beats of a track of the project were found: the plan puts its cuts on them. Not an
    // edit of the person's: neither saved nor put into the history.
    void beatsFound(const QString& path, const BeatGrid& grid);
    // The pace control's choices: the theme's own, then 1 to 8 seconds.
    Q_INVOKABLE static QString paceName(int seconds);

    bool canUndo() const { return history.canUndo(); }
    bool canRedo() const { return history.canRedo(); }
    QString undoText() const { return history.undoText(); }
    QString redoText() const { return history.redoText(); }
    Q_INVOKABLE void undo() { history.undo(); }
    Q_INVOKABLE void redo() { history.redo(); }

    Q_INVOKABLE void addAudio(const QVariant& urls);
    Q_INVOKABLE void removeAudio(int index);
    Q_INVOKABLE void moveAudioForward(int index);
    Q_INVOKABLE void moveAudioBack(int index);
    Q_INVOKABLE void addImages(const QVariant& urls);
    Q_INVOKABLE void addImagesFolder(const QVariant& urls);
    Q_INVOKABLE void addTextSlide(const QString& text);
    Q_INVOKABLE void editTextSlide(int index, const QString& text);
    Q_INVOKABLE void removeSlide(int index);
    // Removes these rows (the separator's is ignored) as one step.
    Q_INVOKABLE void removeSlides(const QList<int>& rows);
    // Puts a text slide at model row `row` (at the end when outside the rows).
    void insertTextSlide(int row, const QString& text);
    Q_INVOKABLE void move(const QList<int>& rows, int to);
    Q_INVOKABLE void rotate(int index, bool clockwise);
    // Writes the pending changes now (leaving the editor, closing the window, quitting); they
    // are otherwise written within a second. False when the save failed and the user was told.
    Q_INVOKABLE bool save();
    Q_INVOKABLE void loadPrj(int index);
    // Saves the open project and begins an empty one (the theme stays chosen until another is).
    Q_INVOKABLE void startNew();
    // The photos of the project that can no longer be read (moved, deleted, unplugged).
    QStringList missingPhotos() const;
    // Removes their slides; true when slides remain to make a video of.
    Q_INVOKABLE bool removeMissingPhotos();
    Q_INVOKABLE bool checkUrls(const QVariant& urls) const;
    Q_INVOKABLE bool insertFiles(int index, const QVariant& urls);

    // Whole seconds as "m:ss", or as "h:mm:ss" when `withHours`.
    static QString clockText(int seconds, bool withHours);
    // The timeline label ("1:23 / 3:45 ") and bar value (percent of the music the video fills).
    static QString timelineFor(double duration, double audio, int* value);
    // Local paths of a QML url list (file URLs or plain paths).
    static QStringList localPaths(const QVariant& urls);

signals:
    void audioChanged();
    void timelineChanged();
    void slidesChanged();
    void themeIdChanged();
    void usedSlidesNumberChanged();
    void slidesNumberChanged();
    void scrollToSeparator();
    void scrollToBottom();
    void audioTracksTextChanged();
    void missedImageFiles(QStringList files);
    // Files of an add or a drop that were left out, with why, as a title and a message.
    void filesSkipped(QString title, QString message);
    void historyChanged();
    void timingChanged();

private:
    explicit ProjectPres(QObject* parent = nullptr);
    // After a change of the plan: separator, used slides, timeline, and a save.
    void replanned();
    // A change of the pace or the fit, as one step of the edit history.
    void retime(const QString& text, const std::function<void()>& change);

    void publishTracks(const TrackList& tracks);
    // Empties the slides and tracks of the open project, which from now on is a new one.
    void clearProject();
    ProjectState capture() const;
    // Shows `state`: the slides (rows kept where they can be), turns, texts, tracks, theme.
    void restore(const ProjectState& state);
    // Puts the step from `before` to now into the history, when it changed anything.
    void record(const QString& text, const ProjectState& before);
    // `edited`: a change of the person's, to be saved (loading a project is not one).
    void syncSlides(bool edited = true);
    void refreshTimeline();
    void placeSeparator();
    void addPictures(const QStringList& paths);
    bool allSlidesUsed() const;
    // The video's length in seconds, to the frame.
    double videoSeconds() const;
    // Appends the track, or the file's name to `refused` when it holds no music to play.
    static bool readTrack(const QString& path, TrackList* tracks, QStringList* refused);
    void reportSkipped(const PictureFolder::Scan& scan, const QStringList& badMusic = {});

    QSharedPointer<Project> current = QSharedPointer<Project>::create();
    ProjectAutosave autosave;
    QUndoStack history;
    QVariantList trackMaps;
    int trackCount = 0;
    double audioSeconds = 0.0;
    QString timeline = QStringLiteral("0:00 ");
    QString leftOutNote;
    int timelinePercent = 100;
    QString tracksText;
    int usedSlides = 0;
    int slideCount = 0;
    double pixelRatio = 1.0;
};
