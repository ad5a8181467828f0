#pragma once

#include "media/AVInput.h"

// A video file's pictures as BGRA frames of the caller's size (stretched, aspect not kept).
class VideoInput : public AVInput
{
public:
    explicit VideoInput(const QString& path);

    // `out` has BGRA buffers allocated; its width and height give the wanted size. On true it
    // holds the next picture and its pts (in timeBase() units); on false it is untouched.
    bool readFrame(AVFrame* out) override;

private:
    // Scales the decoded picture's YUV planes into `planes` at width x height.
    bool scalePlanes(int width, int height);

    libav::SwsPtr scaler; // cached between pictures of the same geometry
    libav::SwsPtr planeScaler;
    libav::FramePtr decoded = libav::makeFrame();
    libav::FramePtr planes; // the scaled planes, kept for the next picture
};
