#pragma once

#include "engine/FrameSink.h"

class AsyncVideoOutput;

// Hands the composed frames to the video's encoder, on its own thread.
class EncoderSink : public FrameSink
{
public:
    explicit EncoderSink(AsyncVideoOutput& output) : output(output) {}
    void writeFrame(PoolFrame frame, const QImage& picture, int index) override;
    void sceneEnded(int frames) override;

private:
    AsyncVideoOutput& output;
};
