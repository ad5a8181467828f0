#pragma once

#include "base/WorkerThread.h"
#include "project/Project.h"
#include "templates/TemplateDescription.h"

#include <QElapsedTimer>
#include <QImage>
#include <QObject>
#include <QSize>
#include <QTimer>
#include <QVector>

class DisplaySink;
class PlayProblems;
class PreviewAudio;
class QAudioDeviceInfo;

// Plays a project live: the plan composed at the display's size on the preview thread (the
// render's own composition), shown in step with the music on the sound card, or with the wall
// clock when there is no music or no sound. Frames the display is too late for are dropped, so
// the picture never falls behind the music. GUI thread only.
class PreviewPlayer : public QObject
{
    Q_OBJECT
public:
    enum State
    {
        Closed,
        Playing,
        Paused, // also at the end, with the last frame showing
    };

    explicit PreviewPlayer(QObject* parent = nullptr);
    ~PreviewPlayer() override;

    // The sound card to use instead of the default one; a null device means there is none.
    void setAudioDevice(const QAudioDeviceInfo& device);

    // Plays a copy of `project` from the first frame of plan entry `entry`; whatever played
    // before stops. The copy is the preview's own: edits show on the next play().
    void play(QSharedPointer<Project> project, QSharedPointer<TemplateDescription> theme,
              QSize size, int entry);
    // Plays the same copy again from another entry.
    void seek(int entry);
    void pause();
    // Goes on from the paused frame; after the end, starts again from the beginning.
    void resume();
    // Stops every thread and lets go of the copy.
    void close();

    State state() const { return current; }
    bool atEnd() const { return ended; }
    QImage frame() const { return shownImage; }
    int frameIndex() const { return shownIndex; } // in the video, -1 before the first
    int totalFrames() const { return frameCount; }
    const QVector<int>& entryStarts() const { return starts; }
    QSharedPointer<Project> playing() const { return copy; }
    // Why the music cannot be heard; empty when it plays (or there is none).
    QString soundProblem() const { return soundNote; }

    // Figures of the current play: frames shown, dropped, and shown later than a frame after
    // their time, and the milliseconds from play() or seek() to the first frame on screen (-1
    // until then).
    int framesShown() const { return shown; }
    int framesDropped() const { return dropped; }
    int framesLate() const { return late; }
    qint64 firstFrameMs() const { return firstFrameLatency; }

    // A copy of the project to play: its own slides, so that edits in the window while it
    // plays never reach the preview thread.
    static QSharedPointer<Project> snapshot(const Project& project);

signals:
    void frameShown();
    void stateChanged();
    void soundProblemChanged();

private:
    void tick();
    void startSound();
    void startClock();
    double clock() const;
    void followSound();
    void startEngine();
    void stopEngine();
    void onSoundFailed();
    void finish();
    void setState(State state);

    QSharedPointer<Project> copy;
    QSharedPointer<PlayProblems> told;
    QSharedPointer<TemplateDescription> theme;
    QSize size;
    QVector<int> starts;
    int frameCount = 0;

    WorkerThread thread;
    WorkerThread leaving; // the engine stopped last, until it has ended
    bool startPending = false;
    int startEntry = 0;
    QSharedPointer<DisplaySink> sink;
    PreviewAudio* audio;
    QTimer ticker;
    State current = Closed;
    bool ended = false;

    int startFrame = 0;        // the first frame of this play
    bool clockRunning = false; // from the first frame on screen, except while paused
    bool withSound = false;
    double heldSeconds = 0.0; // the clock's time before the wall clock was last restarted
    QElapsedTimer wall;
    QElapsedTimer sincePlay;
    double heardBefore = 0.0; // the music heard at the last tick, and since when
    QElapsedTimer heardMoved;

    QImage shownImage;
    int shownIndex = -1;
    int shown = 0;
    int dropped = 0;
    int late = 0;
    qint64 firstFrameLatency = -1;
    QString soundNote;
};
