#include "media/AudioTrackWriter.h"

#include "media/AudioEncoder.h"
#include "media/AudioInput.h"

AudioTrackWriter::AudioTrackWriter(QList<QSharedPointer<MediaFileInfo>> tracks,
                                   double totalDuration)
    : tracks(std::move(tracks)), totalDuration(totalDuration)
{
}

AudioTrackWriter::~AudioTrackWriter() = default;

int AudioTrackWriter::volumeAt(double intoTrack, double remainingTrack, double remainingTotal)
{
    if (intoTrack < 1.0)
        return int(intoTrack * 256);
    const double m = qMin(remainingTotal, remainingTrack);
    if (m < 1.0)
        // A track can decode a little longer than it measured: never a negative gain.
        return remainingTotal > 0 ? qMax(0, int(m * 256)) : 0;
    return 256;
}

void AudioTrackWriter::writeUntil(AudioEncoder& encoder, double seconds)
{
    while (seconds > written) {
        if (!input || !input->readFrame(frame.get())) {
            if (nextTrack >= tracks.size())
                return; // the music is over, even if the video goes on
            input.reset();
            current = tracks[nextTrack++];
            input = std::make_unique<AudioInput>(current->path());
            intoTrack = 0.0;
            continue;
        }
        const int rate =
            frame->sample_rate ? frame->sample_rate : input->codecContext()->sample_rate;
        if (rate <= 0)
            continue;
        const double d = double(frame->nb_samples) / rate;
        written += d;
        intoTrack += d;
        const double remainingTotal = totalDuration - written;
        const double remainingTrack = double(current->duration()) - intoTrack;
        encoder.writeFrame(frame.get(), rate, volumeAt(intoTrack, remainingTrack, remainingTotal));
    }
}
