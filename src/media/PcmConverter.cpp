#include "media/PcmConverter.h"

#include "media/LibavFailure.h"

namespace {

AVChannelLayout stereo()
{
    AVChannelLayout layout;
    av_channel_layout_default(&layout, PcmConverter::kChannels);
    return layout;
}

} // namespace

PcmConverter::PcmConverter()
    : resampler(stereo(), AV_SAMPLE_FMT_S16, kRate),
      staging(av_audio_fifo_alloc(AV_SAMPLE_FMT_S16, kChannels, 1))
{
    if (!staging)
        throwLibav("av_audio_fifo_alloc", AVERROR(ENOMEM));
}

void PcmConverter::writeFrame(const AVFrame* frame, int sampleRate, int volume)
{
    // A frame that cannot be converted is dropped, as the encoder drops it.
    if (!resampler.convert(frame, sampleRate, staging.get()))
        return;
    const int count = av_audio_fifo_size(staging.get());
    const int offset = converted.size();
    converted.resize(offset + count * kChannels * int(sizeof(int16_t)));
    void* planes[] = {converted.data() + offset};
    av_audio_fifo_read(staging.get(), planes, count);
    if (volume >= 256)
        return;
    auto* samples = reinterpret_cast<int16_t*>(converted.data() + offset);
    for (int i = 0; i < count * kChannels; ++i)
        samples[i] = int16_t((samples[i] * volume + 128) >> 8);
}
