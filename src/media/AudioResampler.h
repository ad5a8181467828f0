#pragma once

#include "media/LibavPointers.h"

#include <QString>

#include <map>

// Converts music frames of any rate, layout and sample format to one target format and queues
// the samples in a FIFO. One converter per input format met so far; they belong to this object,
// because a converter keeps samples between calls that must not leak into other music.
class AudioResampler
{
public:
    AudioResampler(const AVChannelLayout& layout, AVSampleFormat format, int rate);
    ~AudioResampler();

    // Appends the frame's samples, converted, to `fifo` (of the target format). False when the
    // frame cannot be converted; the caller then goes on with the next one.
    bool convert(const AVFrame* frame, int sampleRate, AVAudioFifo* fifo);

    // The converter key for an input format: "chl<layout>sr<rate>sf<format>".
    static QString key(uint64_t layout, int rate, int format);
    int count() const { return int(converters.size()); }

private:
    SwrContext* converterFor(uint64_t layout, int rate, int format);

    AVChannelLayout targetLayout{};
    AVSampleFormat targetFormat;
    int targetRate;
    std::map<QString, libav::SwrPtr> converters;
};
