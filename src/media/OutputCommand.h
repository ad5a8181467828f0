#pragma once

#include "media/PoolFrame.h"

#include <cstdint>

// One piece of work for the video output's thread. A VideoFrame command owns its frame: the frame
// goes back to the pool with the command, whether it was encoded or discarded.
class OutputCommand
{
public:
    enum Kind
    {
        VideoFrame = 0,
        PtsOffset = 1
    };

    static OutputCommand videoFrame(PoolFrame frame, int num, int den, double seconds);
    static OutputCommand ptsOffset(int64_t frames, int num, int den);

    Kind kind;
    PoolFrame frame;
    int num = 1;
    int den = 30;
    double seconds = 0.0; // the frame's time in the video
    int64_t frames = 0;   // PtsOffset: how far the time origin moves

private:
    explicit OutputCommand(Kind kind) : kind(kind) {}
};
