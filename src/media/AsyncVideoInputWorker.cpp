#include "media/AsyncVideoInputWorker.h"

#include "base/Failure.h"
#include "media/FramePool.h"
#include "media/LibavFailure.h"
#include "media/VideoInput.h"

#include <cmath>

AsyncVideoInputWorker::AsyncVideoInputWorker(QSharedPointer<FramePool> pool, const QString& path,
                                             QVector<int> schedule)
    : path(path), schedule(std::move(schedule)), pool(std::move(pool))
{
}

bool AsyncVideoInputWorker::waitForRoom(int limit)
{
    while (!stopRequested())
        if (pool->waitForRoom(this, limit, 10))
            return true; // checks for a stop at least every 10 ms
    return false;
}

void AsyncVideoInputWorker::playSchedule(VideoInput& reader)
{
    // The frame decoded last and its index in the file; it is kept while the schedule may show
    // it again, so one more frame than usual is out of the pool.
    PoolFrame held;
    int heldIndex = -1;
    int decodedCount = 0; // frames read since the last seek, for files without time stamps
    for (int i = 0; i < schedule.size() && !stopRequested(); ++i) {
        const int wanted = schedule[i];
        if (wanted < heldIndex) {
            // Back to an earlier frame: from the last point the file can start at before it.
            held.reset();
            heldIndex = -1;
            if (!reader.seek(qMax(0, wanted) / 30.0))
                break;
            decodedCount = 0;
        }
        while (heldIndex < wanted) {
            if (!waitForRoom(kMaxFramesOut + 1))
                return;
            PoolFrame frame = PoolFrame::acquire(pool, this);
            if (!frame)
                throwLibav("av_frame_alloc", AVERROR(ENOMEM));
            if (!reader.readFrame(frame.get()))
                break; // the file is shorter than the scene says: what it has is shown on
            const double seconds = reader.secondsOf(frame.get());
            heldIndex = seconds >= 0 ? int(std::lround(seconds * 30.0)) : decodedCount;
            ++decodedCount;
            held = std::move(frame);
        }
        if (!held || !waitForRoom(kMaxFramesOut + 1))
            break;
        const bool again = i + 1 < schedule.size() && schedule[i + 1] == heldIndex;
        if (!again) {
            deliver(std::move(held));
            continue;
        }
        PoolFrame copy = PoolFrame::acquire(pool, this);
        if (!copy || av_frame_copy(copy.get(), held.get()) < 0)
            throwLibav("av_frame_copy", AVERROR(ENOMEM));
        copy.get()->pts = held.get()->pts;
        deliver(std::move(copy));
    }
    deliver({});
}

void AsyncVideoInputWorker::run()
{
    try {
        VideoInput reader(path);
        if (!schedule.isEmpty()) {
            playSchedule(reader);
            return;
        }
        while (!stopRequested()) {
            if (!pool->waitForRoom(this, kMaxFramesOut, 10))
                continue; // checks for a stop at least every 10 ms
            PoolFrame frame = PoolFrame::acquire(pool, this);
            if (!frame)
                throwLibav("av_frame_alloc", AVERROR(ENOMEM));
            if (!reader.readFrame(frame.get())) {
                deliver({});
                break;
            }
            deliver(std::move(frame));
        }
    } catch (const Failure& failure) {
        emit error(failure.reason());
        // The consumer must not wait for ever: the scene ends as if the video had ended.
        deliver({});
    }
}
