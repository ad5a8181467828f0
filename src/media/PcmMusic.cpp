#include "media/PcmMusic.h"

#include "media/AudioTrackWriter.h"
#include "media/PcmConverter.h"

struct PcmMusic::Decoding
{
    Decoding(QList<QSharedPointer<MediaFileInfo>> tracks, double totalDuration)
        : writer(std::move(tracks), totalDuration)
    {
    }
    AudioTrackWriter writer;
    PcmConverter converter;
};

PcmMusic::PcmMusic(QList<QSharedPointer<MediaFileInfo>> tracks, double totalDuration)
    : decoding(std::make_unique<Decoding>(std::move(tracks), totalDuration)),
      totalSamples(qint64(totalDuration * kRate))
{
}

PcmMusic::~PcmMusic() = default;

void PcmMusic::seek(double seconds)
{
    decoding->converter.pending().clear();
    samplesRead = qBound<qint64>(0, qint64(seconds * kRate), totalSamples);
    decoding->writer.seek(double(samplesRead) / kRate);
}

QByteArray PcmMusic::read(qint64 bytes)
{
    const qint64 wanted = qMin(bytes / kBytesPerSample, totalSamples - samplesRead);
    if (wanted <= 0)
        return {};
    const int length = int(wanted * kBytesPerSample);
    QByteArray& pending = decoding->converter.pending();
    if (pending.size() < length)
        decoding->writer.writeUntil(decoding->converter,
                                    double(samplesRead + wanted) / kRate + 0.05);
    // Once the music has ended the video goes on in silence.
    if (pending.size() < length)
        pending.append(QByteArray(length - pending.size(), '\0'));
    const QByteArray out = pending.left(length);
    pending.remove(0, length);
    samplesRead += wanted;
    return out;
}
