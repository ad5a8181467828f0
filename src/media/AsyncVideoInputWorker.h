#pragma once

#include "media/AsyncSourceWorker.h"

#include <QSharedPointer>
#include <QString>
#include <QVector>

class FramePool;

// Decodes a video file into pool frames on the source's thread, keeping at most two frames of
// its own out of the pool (a 1080p frame is 8 MB; more ahead did not render faster: the encoder
// is the slow end), then delivers the end marker (an empty frame). Plays the file once, or, given
// a schedule, the file's frames that it names in its order (frames shown twice, skipped, or from
// earlier on again).
class AsyncVideoInputWorker : public AsyncSourceWorker
{
    Q_OBJECT
public:
    static constexpr int kMaxFramesOut = 2;

    // `schedule`: the index of the file's frame (30 per second) for each frame to deliver; empty
    // for the file as it is.
    AsyncVideoInputWorker(QSharedPointer<FramePool> pool, const QString& path,
                          QVector<int> schedule = {});

signals:
    void error(const QString& reason);

protected:
    void run() override;

private:
    void playSchedule(class VideoInput& reader);
    // Waits for room for one more frame of this source; false on a stop.
    bool waitForRoom(int limit);

    QString path;
    QVector<int> schedule;
    QSharedPointer<FramePool> pool;
};
