#include "media/AudioResampler.h"

namespace {

uint64_t layoutMask(const AVChannelLayout& layout)
{
    if (layout.order == AV_CHANNEL_ORDER_NATIVE && layout.u.mask)
        return layout.u.mask;
    // Frames without a layout get the default one for their channel count.
    AVChannelLayout fallback;
    av_channel_layout_default(&fallback, layout.nb_channels);
    const uint64_t mask = fallback.order == AV_CHANNEL_ORDER_NATIVE ? fallback.u.mask : 0;
    av_channel_layout_uninit(&fallback);
    return mask;
}

} // namespace

AudioResampler::AudioResampler(const AVChannelLayout& layout, AVSampleFormat format, int rate)
    : targetFormat(format), targetRate(rate)
{
    av_channel_layout_copy(&targetLayout, &layout);
}

AudioResampler::~AudioResampler()
{
    av_channel_layout_uninit(&targetLayout);
}

QString AudioResampler::key(uint64_t layout, int rate, int format)
{
    return QStringLiteral("chl%1sr%2sf%3").arg(layout).arg(rate).arg(format);
}

SwrContext* AudioResampler::converterFor(uint64_t layout, int rate, int format)
{
    const QString name = key(layout, rate, format);
    auto found = converters.find(name);
    if (found != converters.end())
        return found->second.get();
    AVChannelLayout input;
    if (av_channel_layout_from_mask(&input, layout) < 0)
        return nullptr;
    SwrContext* created = nullptr;
    int result = swr_alloc_set_opts2(&created, &targetLayout, targetFormat, targetRate, &input,
                                     AVSampleFormat(format), rate, 0, nullptr);
    libav::SwrPtr owned(created);
    av_channel_layout_uninit(&input);
    if (result < 0 || swr_init(owned.get()) < 0)
        return nullptr;
    return converters.emplace(name, std::move(owned)).first->second.get();
}

bool AudioResampler::convert(const AVFrame* frame, int sampleRate, AVAudioFifo* fifo)
{
    SwrContext* converter = converterFor(layoutMask(frame->ch_layout), sampleRate, frame->format);
    if (!converter)
        return false;
    const int capacity = swr_get_out_samples(converter, frame->nb_samples);
    if (capacity <= 0)
        return false;
    uint8_t** converted = nullptr;
    if (av_samples_alloc_array_and_samples(&converted, nullptr, targetLayout.nb_channels, capacity,
                                           targetFormat, 0) < 0)
        return false;
    const int produced =
        swr_convert(converter, converted, capacity,
                    const_cast<const uint8_t**>(frame->extended_data), frame->nb_samples);
    const int queued =
        produced > 0 ? av_audio_fifo_write(fifo, reinterpret_cast<void**>(converted), produced)
                     : produced;
    av_freep(&converted[0]);
    av_freep(&converted);
    return queued >= produced;
}
