#include "images/ThumbGenerator.h"

#include "base/WorkerThread.h"
#include "images/ExifThumbWorker.h"
#include "images/ThumbWorker.h"

#include <QCoreApplication>

ThumbGenerator* ThumbGenerator::instance()
{
    static ThumbGenerator* const generator = [] {
        auto* created = new ThumbGenerator;
        // Results arrive through queued signals: the generator belongs to the GUI thread.
        if (auto* app = QCoreApplication::instance())
            created->moveToThread(app->thread());
        return created;
    }();
    return generator;
}

ThumbGenerator::ThumbGenerator(QObject* parent) : QObject(parent)
{
    registerThumbGeneratorTask();
    registerSharedMetaTypes();
}

void ThumbGenerator::addTask(const ThumbGeneratorTask& task)
{
    {
        QMutexLocker lock(&mutex);
        exifQueue.append(task);
        fullQueue.append(task);
    }
    QMetaObject::invokeMethod(this, &ThumbGenerator::doTask, Qt::AutoConnection);
}

void ThumbGenerator::cancel(const ThumbGeneratorTask& task)
{
    QMutexLocker lock(&mutex);
    exifQueue.removeOne(task);
    fullQueue.removeOne(task);
}

void ThumbGenerator::pause()
{
    fullDecodeEnabled = false;
}

void ThumbGenerator::resume()
{
    fullDecodeEnabled = true;
    doTask();
}

void ThumbGenerator::doTask()
{
    // Fill every free worker place, not just one: after resume() a whole batch of full decodes
    // waits, and starting them one at a time would run them one after another.
    while (running < kMaxWorkers && startOne()) {
    }
}

bool ThumbGenerator::startOne()
{
    ThumbWorkerBase* worker = nullptr;
    bool exif = false;
    {
        QMutexLocker lock(&mutex);
        if (!exifQueue.isEmpty()) {
            worker = new ExifThumbWorker(exifQueue.takeFirst());
            ++exifRunning;
            exif = true;
        } else if (fullDecodeEnabled && exifRunning == 0 && !fullQueue.isEmpty()) {
            // Full decodes wait until every pending preview has been read: a batch shows all its
            // previews first, and no full decode races the preview of its own photo.
            worker = new ThumbWorker(fullQueue.takeFirst());
        }
    }
    if (!worker)
        return false;
    if (exif)
        connect(worker, &ThumbWorkerBase::done, this, &ThumbGenerator::exifWorkerDone);
    else
        connect(worker, &ThumbWorkerBase::done, this, &ThumbGenerator::workerDone);
    ++running;
    WorkerThread::detach(worker);
    return true;
}

void ThumbGenerator::exifWorkerDone(ThumbGeneratorTask task, QSharedPointer<QImage> img)
{
    --running;
    if (img)
        emit generated(task, img);
    {
        QMutexLocker lock(&mutex);
        --exifRunning;
        // The photo shows its preview already: its full decode goes behind all others.
        if (img && fullQueue.removeOne(task))
            fullQueue.append(task);
    }
    doTask();
}

void ThumbGenerator::workerDone(ThumbGeneratorTask task, QSharedPointer<QImage> img)
{
    --running;
    if (img)
        emit generated(task, img);
    doTask();
}
