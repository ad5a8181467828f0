#include "app/BeatsPres.h"

#include "app/BeatWorker.h"
#include "app/ProjectPres.h"

#include <QCoreApplication>

BeatsPres* BeatsPres::instance()
{
    static BeatsPres* const presenter = new BeatsPres();
    return presenter;
}

BeatsPres::BeatsPres(QObject* parent) : QObject(parent)
{
    ProjectPres* project = ProjectPres::instance();
    connect(project, &ProjectPres::audioChanged, this, &BeatsPres::tracksChanged);
    connect(project, &ProjectPres::timingChanged, this, &BeatsPres::changed);
    connect(project, &ProjectPres::timelineChanged, this, &BeatsPres::changed);
    connect(QCoreApplication::instance(), &QCoreApplication::aboutToQuit, this,
            [this] { working.stop(); });
}

void BeatsPres::tracksChanged()
{
    const Project& project = *ProjectPres::instance()->project();
    QStringList wanted;
    for (const QSharedPointer<MediaFileInfo>& track : project.audio())
        if (!project.hasTrackBeats(track->path()) && !wanted.contains(track->path()))
            wanted << track->path();
    // Tracks taken out since are no longer spoken of.
    QStringList kept;
    for (const QString& path : beatless)
        for (const QSharedPointer<MediaFileInfo>& track : project.audio())
            if (track->path() == path && !kept.contains(path))
                kept << path;
    beatless = kept;
    working.stop();
    analysing.clear();
    busy = !wanted.isEmpty();
    ++generation;
    if (busy) {
        auto* worker = new BeatWorker(wanted);
        connect(worker, &BeatWorker::progress, this, &BeatsPres::progressed);
        connect(worker, &BeatWorker::found, this, &BeatsPres::found);
        connect(worker, &BeatWorker::failed, this, &BeatsPres::failed);
        // The finish of a worker stopped for a newer one is not the newer one's.
        connect(worker, &Worker::finished, this, [this, started = generation] {
            if (started == generation)
                workerFinished();
        });
        working.start(worker);
    }
    emit changed();
}

void BeatsPres::progressed(const QString& path, int done)
{
    // Only a long song's analysis is worth a line: a short one would flash by.
    if (path != timed) {
        timed = path;
        started.start();
    }
    if (started.elapsed() < kQuietMs)
        return;
    analysing = path;
    percent = done;
    emit changed();
}

void BeatsPres::found(const QString& path, const BeatGrid& grid)
{
    analysing.clear();
    if (grid.beats.size() < 2 && !beatless.contains(path))
        beatless << path;
    ProjectPres::instance()->beatsFound(path, grid);
    emit changed();
}

void BeatsPres::failed(const QString& path)
{
    analysing.clear();
    if (!beatless.contains(path))
        beatless << path;
    emit changed();
}

void BeatsPres::workerFinished()
{
    busy = false;
    analysing.clear();
    emit changed();
}

QString BeatsPres::songName(const QString& path) const
{
    for (const QSharedPointer<MediaFileInfo>& track : ProjectPres::instance()->project()->audio())
        if (track->path() == path)
            return track->songName();
    return path;
}

QString BeatsPres::note() const
{
    if (!ProjectPres::instance()->cutsOnBeat())
        return QString();
    if (!analysing.isEmpty())
        return tr("Finding the beat of “%1”: %2 %").arg(songName(analysing)).arg(percent);
    if (beatless.isEmpty())
        return QString();
    QStringList names;
    for (const QString& path : beatless)
        names << QStringLiteral("“%1”").arg(songName(path));
    return tr("No beat was found in %1, so its scenes are not cut on the beat.")
        .arg(names.join(QStringLiteral(", ")));
}

QVariantList BeatsPres::marks() const
{
    const Project& project = *ProjectPres::instance()->project();
    const double frames = project.audioDuration() * 30.0;
    if (!project.cutsOnBeat() || frames <= 0)
        return {};
    const QVector<BeatCuts::Beat> beats = project.beats();
    // Every beat when they fit, else the bars' first beats, else every so many of those.
    QVector<double> shown;
    for (const BeatCuts::Beat& beat : beats)
        if (beats.size() <= kMostMarks || beat.bar)
            shown << beat.frame / frames;
    const int step = (shown.size() + kMostMarks - 1) / kMostMarks;
    QVariantList marks;
    for (int i = 0; i < shown.size(); i += qMax(1, step))
        marks << shown[i];
    return marks;
}
