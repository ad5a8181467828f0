#pragma once

#include "base/WorkerThread.h"
#include "media/BeatGrid.h"

#include <QElapsedTimer>
#include <QObject>
#include <QString>
#include <QVariantList>

// The music's beats as the editor shows them ("beats" in QML): finds the beats of the open
// project's tracks off the GUI thread whenever its tracks change (from the cache, or analysed
// with progress), hands them to the project, and gives the timeline its faint beat marks and a
// note while it works or when a track has no beat to cut on. GUI thread only.
class BeatsPres : public QObject
{
    Q_OBJECT
    // True while beats are being found: the video waits for them.
    Q_PROPERTY(bool finding READ finding NOTIFY changed)
    // What the timeline says about the beats: the analysis's progress, or the tracks without a
    // beat; empty otherwise.
    Q_PROPERTY(QString note READ note NOTIFY changed)
    // Where the timeline marks beats, as fractions of the music; bars only when beats would
    // crowd. Empty when the cuts are not on the beat.
    Q_PROPERTY(QVariantList marks READ marks NOTIFY changed)
public:
    static BeatsPres* instance();

    bool finding() const { return busy; }
    QString note() const;
    QVariantList marks() const;
    // Most marks the timeline shows: a few pixels apart on the narrowest window.
    static constexpr int kMostMarks = 160;

signals:
    void changed();

private:
    explicit BeatsPres(QObject* parent = nullptr);
    // Starts finding the beats of the project's tracks that it does not know yet.
    void tracksChanged();
    void progressed(const QString& path, int percent);
    void found(const QString& path, const BeatGrid& grid);
    void failed(const QString& path);
    void workerFinished();
    QString songName(const QString& path) const;

    WorkerThread working;
    bool busy = false;
    int generation = 0; // of the worker started last
    QString analysing;  // the path being analysed, when it takes a while
    QString timed;      // the path whose analysis `started` times
    QElapsedTimer started;
    static constexpr int kQuietMs = 300;
    int percent = 0;
    QStringList beatless; // tracks of the project without beats to cut on
};
