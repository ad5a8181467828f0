#pragma once

#include "media/MediaFileInfo.h"

#include <QByteArray>
#include <QList>
#include <QSharedPointer>

#include <memory>

// The project's music as a sound card takes it: 16-bit stereo PCM at 44100 Hz, decoded, faded
// and timed by the same AudioTrackWriter the video's encoder is fed by, silence after the music,
// nothing after the video's end. Used by one thread at a time.
class PcmMusic
{
public:
    static constexpr int kRate = 44100;
    static constexpr int kChannels = 2;
    static constexpr int kBytesPerSample = 2 * kChannels;

    PcmMusic(QList<QSharedPointer<MediaFileInfo>> tracks, double totalDuration);
    ~PcmMusic();

    // Starts over at `seconds` into the video. Throws an int when the track there cannot be
    // opened (said through CommonError).
    void seek(double seconds);
    // Up to `bytes` bytes of samples from where the last read ended (whole samples); fewer only
    // at the video's end. Throws as seek() does.
    QByteArray read(qint64 bytes);
    // Seconds into the video of the next sample read() returns.
    double position() const { return double(samplesRead) / kRate; }

private:
    struct Decoding;
    std::unique_ptr<Decoding> decoding;
    qint64 samplesRead = 0;
    qint64 totalSamples;
};
