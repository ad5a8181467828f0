#pragma once

#include "engine/FrameSink.h"

#include <QMutex>
#include <QWaitCondition>

#include <deque>

// Frames on their way to the preview's display. The engine writes a copy of each frame and waits
// while `capacity` frames are queued (memory stays at that many frames); the display takes the
// frame due at its clock and drops the ones it is too late for, so a slow moment costs frames,
// never time. Thread-safe.
class DisplaySink : public FrameSink
{
public:
    explicit DisplaySink(int capacity = 10) : capacity(capacity) {}

    void writeFrame(PoolFrame frame, const QImage& picture, int index) override;
    bool full() const override;
    // No more frames are wanted: a waiting engine returns at once.
    void close();
    // The engine is done: no frame follows the queued ones.
    void finish();

    struct Taken
    {
        QImage image;       // null when no frame is due yet
        int index = -1;     // of `image`
        bool ended = false; // nothing is queued and nothing more will come
    };
    // The newest queued frame whose index is at most `due`; the older ones are dropped.
    Taken take(int due);

private:
    const int capacity;
    mutable QMutex lock;
    QWaitCondition room;
    std::deque<std::pair<int, QImage>> frames;
    bool closed = false;
    bool finished = false;
};
