#pragma once

#include "media/PoolFrame.h"

#include <QImage>

// Where the composed frames of a plan go: the video's encoder, the preview's display, a single
// frame for a picture. Called on the engine's thread, in order.
class FrameSink
{
public:
    // Every video, preview and picture of a plan runs at this rate.
    static constexpr int kFramesPerSecond = 30;

    virtual ~FrameSink() = default;
    // Frame `index` of the video (from 0), composed; `picture` shows its pixels until `frame` is
    // let go. May block for room; returns at once when the engine is stopped.
    virtual void writeFrame(PoolFrame frame, const QImage& picture, int index) = 0;
    // A scene's frames end here and the next scene's frames, numbered from 0 again, follow
    // `frames` frames after its start.
    virtual void sceneEnded(int frames) { Q_UNUSED(frames); }
    // Whether the sink wants no more frames (the one frame was caught, the display was closed).
    virtual bool full() const { return false; }
};
