#pragma once

#include "media/AudioFrameSink.h"
#include "media/AudioResampler.h"

#include <QByteArray>

// Turns decoded music frames into 16-bit stereo PCM at 44100 Hz with each frame's gain applied,
// queued for reading.
class PcmConverter : public AudioFrameSink
{
public:
    static constexpr int kRate = 44100;
    static constexpr int kChannels = 2;

    PcmConverter();
    void writeFrame(const AVFrame* frame, int sampleRate, int volume) override;
    // Converted bytes not taken yet.
    QByteArray& pending() { return converted; }

private:
    AudioResampler resampler;
    libav::AudioFifoPtr staging;
    QByteArray converted;
};
