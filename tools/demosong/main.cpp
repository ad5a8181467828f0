// lumavive-demosong: writes the demo's soundtrack, an original piece synthesized here: a slow
// chord progression on soft pads with a plucked melody, about 24 seconds, as AAC in .m4a.
// Usage: lumavive-demosong OUT.m4a
#include "media/LibavPointers.h"

#include <algorithm>
#include <cmath>
#include <cstdio>
#include <vector>

namespace {

constexpr int kRate = 44100;
constexpr double kBeat = 0.5; // seconds: 120 beats per minute
constexpr double kPi = 3.14159265358979;

double note(int midi)
{
    return 440.0 * std::pow(2.0, (midi - 69) / 12.0);
}

// The piece, sample by sample (left and right).
std::vector<float> compose(double seconds)
{
    const int total = int(seconds * kRate);
    std::vector<float> stereo(size_t(total) * 2, 0.0f);
    // I - vi - IV - V in C major, two bars each, twice.
    const int chords[4][3] = {{60, 64, 67}, {57, 60, 64}, {53, 57, 60}, {55, 59, 62}};
    const int melody[16] = {76, 74, 72, 74, 72, 69, 67, 69, 69, 72, 74, 72, 71, 74, 79, 77};
    const double bar = 4 * kBeat;
    for (int i = 0; i < total; ++i) {
        const double t = double(i) / kRate;
        const int chord = int(t / (2 * bar)) % 4;
        double pad = 0;
        for (int k = 0; k < 3; ++k) {
            const double f = note(chords[chord][k] - 12);
            pad += std::sin(2 * kPi * f * t) + 0.3 * std::sin(2 * kPi * 2 * f * t + k);
        }
        pad *= 0.05 * (0.8 + 0.2 * std::sin(2 * kPi * 0.25 * t));
        const int step = int(t / kBeat);
        const double since = t - step * kBeat;
        const double f = note(melody[step % 16]);
        const double pluck = 0.22 * std::exp(-since * 5.0) *
                             (std::sin(2 * kPi * f * t) + 0.25 * std::sin(2 * kPi * 3 * f * t));
        // Fade in and out over two seconds.
        const double envelope = std::min({1.0, t / 2.0, (seconds - t) / 2.0});
        const double pan = 0.5 + 0.2 * std::sin(2 * kPi * 0.1 * t);
        stereo[size_t(i) * 2] = float(envelope * (pad + pluck * (1 - pan)));
        stereo[size_t(i) * 2 + 1] = float(envelope * (pad + pluck * pan));
    }
    return stereo;
}

} // namespace

int main(int argc, char* argv[])
{
    if (argc != 2) {
        std::fprintf(stderr, "usage: lumavive-demosong OUT.m4a\n");
        return 2;
    }
    const double seconds = 24.0;
    const std::vector<float> samples = compose(seconds);

    AVFormatContext* raw = nullptr;
    if (avformat_alloc_output_context2(&raw, nullptr, "ipod", argv[1]) < 0)
        return 1;
    libav::OutputContextPtr output(raw);
    const AVCodec* aac = avcodec_find_encoder(AV_CODEC_ID_AAC);
    libav::CodecContextPtr encoder(avcodec_alloc_context3(aac));
    AVStream* stream = avformat_new_stream(raw, nullptr);
    if (!encoder || !stream)
        return 1;
    encoder->sample_rate = kRate;
    encoder->sample_fmt = AV_SAMPLE_FMT_FLTP;
    encoder->bit_rate = 160000;
    encoder->time_base = AVRational{1, kRate};
    av_channel_layout_default(&encoder->ch_layout, 2);
    if (raw->oformat->flags & AVFMT_GLOBALHEADER)
        encoder->flags |= AV_CODEC_FLAG_GLOBAL_HEADER;
    av_dict_set(&raw->metadata, "title", "Lumavive Demo Theme", 0);
    av_dict_set(&raw->metadata, "artist", "Lumavive", 0);
    if (avcodec_open2(encoder.get(), aac, nullptr) < 0 ||
        avcodec_parameters_from_context(stream->codecpar, encoder.get()) < 0 ||
        avio_open(&raw->pb, argv[1], AVIO_FLAG_WRITE) < 0 ||
        avformat_write_header(raw, nullptr) < 0)
        return 1;
    stream->time_base = encoder->time_base;

    libav::PacketPtr packet = libav::makePacket();
    auto drain = [&]() {
        while (avcodec_receive_packet(encoder.get(), packet.get()) >= 0) {
            av_packet_rescale_ts(packet.get(), encoder->time_base, stream->time_base);
            packet->stream_index = stream->index;
            if (av_interleaved_write_frame(raw, packet.get()) < 0)
                return false;
        }
        return true;
    };
    const int frameSize = encoder->frame_size;
    const int total = int(samples.size() / 2);
    for (int at = 0; at < total; at += frameSize) {
        libav::FramePtr frame = libav::makeFrame();
        frame->nb_samples = std::min(frameSize, total - at);
        frame->format = AV_SAMPLE_FMT_FLTP;
        frame->sample_rate = kRate;
        av_channel_layout_copy(&frame->ch_layout, &encoder->ch_layout);
        if (av_frame_get_buffer(frame.get(), 0) < 0)
            return 1;
        for (int i = 0; i < frame->nb_samples; ++i) {
            reinterpret_cast<float*>(frame->data[0])[i] = samples[size_t(at + i) * 2];
            reinterpret_cast<float*>(frame->data[1])[i] = samples[size_t(at + i) * 2 + 1];
        }
        frame->pts = at;
        if (avcodec_send_frame(encoder.get(), frame.get()) < 0 || !drain())
            return 1;
    }
    if (avcodec_send_frame(encoder.get(), nullptr) < 0 || !drain() || av_write_trailer(raw) < 0)
        return 1;
    return 0;
}
