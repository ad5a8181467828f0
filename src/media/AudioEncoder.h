#pragma once

#include "media/AudioFrameSink.h"
#include "media/AudioResampler.h"
#include "media/LibavPointers.h"
#include "media/PacketWriter.h"

#include <QString>

#include <memory>

// The output's audio stream: converts whatever the music files decode to (any rate, layout and
// sample format) to the encoder's format, collects the samples in a FIFO and encodes them in
// frames of exactly the encoder's frame size, with a gain per frame. 44100 Hz stereo.
// Set-up failures throw a negative FFmpeg error code; encoding failures are reported through
// CommonError and thrown. Runs on the video output's thread.
class AudioEncoder : public AudioFrameSink
{
public:
    // Adds and opens the audio stream of `output` (its format's default audio codec). The
    // encoder takes its own sample format (planar float for AAC); `sampleFormat` is the format
    // callers prefer and is used only when the encoder accepts it.
    AudioEncoder(const AVOutputFormat* format, AVFormatContext* output, int bitRate, int channels,
                 int sampleFormat);
    ~AudioEncoder();

    // `volume` is a gain with 8 fraction bits: 256 unchanged, 0 silence.
    void writeFrame(const AVFrame* frame, int sampleRate, int volume) override;
    // Drains the encoder at the end of the render.
    void flush();
    void close();

    int streamIndex() const { return stream->index; }
    int64_t samplesWritten() const { return nextPts; }

    // The resampler key for an input format: "chl<layout>sr<rate>sf<format>".
    static QString resamplerKey(uint64_t layout, int rate, int format);
    // One resampler per input format met so far. They belong to this encoder: a resampler keeps
    // samples between calls, which must not leak into another render's music.
    int resamplerCount() const { return resampler->count(); }

private:
    void encodeAndWrite(const AVFrame* frame, const char* failure);

    const AVCodec* encoder = nullptr;
    libav::CodecContextPtr context;
    AVStream* stream = nullptr;
    libav::AudioFifoPtr fifo;
    std::unique_ptr<PacketWriter> writer;
    std::unique_ptr<AudioResampler> resampler;
    int64_t nextPts = 0;
};
