#pragma once

struct AVFrame;

// Where decoded music goes: the video's audio encoder, or the preview's PCM buffer.
class AudioFrameSink
{
public:
    virtual ~AudioFrameSink() = default;
    // One decoded frame of `sampleRate` samples per second; `volume` is a gain with 8 fraction
    // bits (256 unchanged, 0 silence).
    virtual void writeFrame(const AVFrame* frame, int sampleRate, int volume) = 0;
};
