#include "preview/DisplaySink.h"

#include <QMutexLocker>

void DisplaySink::writeFrame(PoolFrame frame, const QImage& picture, int index)
{
    // The pool frame goes back at once: the display keeps its own copy, so the engine's pool
    // never waits for the screen.
    QImage copy = picture.copy();
    frame = PoolFrame();
    QMutexLocker locker(&lock);
    while (!closed && int(frames.size()) >= capacity)
        room.wait(&lock);
    if (!closed && !copy.isNull())
        frames.emplace_back(index, std::move(copy));
}

bool DisplaySink::full() const
{
    QMutexLocker locker(&lock);
    return closed;
}

void DisplaySink::close()
{
    QMutexLocker locker(&lock);
    closed = true;
    frames.clear();
    room.wakeAll();
}

void DisplaySink::finish()
{
    QMutexLocker locker(&lock);
    finished = true;
}

DisplaySink::Taken DisplaySink::take(int due)
{
    QMutexLocker locker(&lock);
    Taken taken;
    while (!frames.empty() && frames.front().first <= due) {
        taken.index = frames.front().first;
        taken.image = std::move(frames.front().second);
        frames.pop_front();
    }
    taken.ended = finished && frames.empty();
    if (taken.index >= 0)
        room.wakeAll();
    return taken;
}
