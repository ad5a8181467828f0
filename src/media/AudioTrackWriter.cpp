#include "media/AudioTrackWriter.h"

#include "media/AudioInput.h"

#include <cmath>
#include <utility>

extern "C" {
#include <libavutil/samplefmt.h>
}

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

void AudioTrackWriter::seek(double seconds)
{
    input.reset();
    current.reset();
    frameHeld = false;
    nextTrack = 0;
    written = qMax(0.0, seconds);
    double trackStart = 0.0;
    while (nextTrack < tracks.size() &&
           trackStart + double(tracks[nextTrack]->duration()) <= written)
        trackStart += double(tracks[nextTrack++]->duration());
    if (nextTrack >= tracks.size())
        return; // past the music: silence
    current = tracks[nextTrack++];
    input = std::make_unique<AudioInput>(current->path());
    intoTrack = written - trackStart;
    if (intoTrack <= 0.0 || !input->seek(intoTrack)) {
        intoTrack = 0.0; // cannot seek: the track from its start
        return;
    }
    // The demuxer lands on a point before the wanted one: frames that end before it are skipped,
    // the one holding it plays first.
    while (input->readFrame(frame.get())) {
        const double at = input->secondsOf(frame.get());
        const int rate =
            frame->sample_rate ? frame->sample_rate : input->codecContext()->sample_rate;
        if (at < 0 || rate <= 0 || at + double(frame->nb_samples) / rate > intoTrack) {
            frameHeld = true;
            if (at >= 0 && rate > 0 && at < intoTrack)
                dropLeadingSamples(int(std::lround((intoTrack - at) * rate)));
            else
                intoTrack = qMax(0.0, at);
            return;
        }
    }
}

void AudioTrackWriter::dropLeadingSamples(int count)
{
    // The frame holding the wanted moment starts before it: its first samples were due before
    // the point the music now starts from, and would put it late by as much.
    count = qBound(0, count, frame->nb_samples);
    if (count == 0)
        return;
    const auto format = AVSampleFormat(frame->format);
    const int channels = frame->ch_layout.nb_channels;
    const bool planar = av_sample_fmt_is_planar(format);
    const int step = av_get_bytes_per_sample(format) * (planar ? 1 : channels);
    // Only the pointers move: the buffers stay referenced by the frame and are freed with it.
    for (int plane = 0; plane < (planar ? channels : 1); ++plane) {
        frame->extended_data[plane] += ptrdiff_t(count) * step;
        if (plane < AV_NUM_DATA_POINTERS && frame->extended_data != frame->data)
            frame->data[plane] = frame->extended_data[plane];
    }
    frame->nb_samples -= count;
}

void AudioTrackWriter::writeUntil(AudioFrameSink& encoder, double seconds)
{
    while (seconds > written) {
        const bool held = std::exchange(frameHeld, false);
        if (!input || (!held && !input->readFrame(frame.get()))) {
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
