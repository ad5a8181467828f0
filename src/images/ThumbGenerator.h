#pragma once

#include "base/SharedTypes.h"
#include "images/ThumbGeneratorTask.h"

#include <QList>
#include <QMutex>
#include <QObject>

// Makes thumbnails off the GUI thread, at most six workers at once. Every request is first tried
// the fast way (the EXIF preview) and later decoded properly; full decodes of photos that already
// show a preview wait behind all others and can be held back while a batch is added. Each
// non-null result is announced with generated(), possibly twice per request.
class ThumbGenerator : public QObject
{
    Q_OBJECT
public:
    static constexpr int kMaxWorkers = 6;

    static ThumbGenerator* instance();

    void addTask(const ThumbGeneratorTask& task);
    // Drops one queued occurrence of the task from both queues (a row that went away).
    void cancel(const ThumbGeneratorTask& task);
    void pause(); // no new full decodes; previews continue
    void resume();

    int runningWorkers() const { return running; }

signals:
    void generated(ThumbGeneratorTask task, QSharedPointer<QImage> thumb);

public slots:
    void doTask();
    void exifWorkerDone(ThumbGeneratorTask path, QSharedPointer<QImage> img);
    void workerDone(ThumbGeneratorTask path, QSharedPointer<QImage> img);

private:
    explicit ThumbGenerator(QObject* parent = nullptr);
    bool startOne();

    // The GUI thread's, like every slot and pause()/resume(): no lock.
    int running = 0;
    bool fullDecodeEnabled = true;
    // addTask() and cancel() may come from any thread: the queues are under `mutex`.
    QMutex mutex;
    QList<ThumbGeneratorTask> exifQueue;
    QList<ThumbGeneratorTask> fullQueue;
    int exifRunning = 0; // preview attempts under way
};
