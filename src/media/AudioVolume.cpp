#include "media/AudioVolume.h"

#include <algorithm>
#include <cstdint>

namespace {

template <typename Sample>
void scaleInteger(Sample* samples, int count, int volume, int64_t low, int64_t high, int64_t bias)
{
    for (int i = 0; i < count; ++i) {
        const int64_t centred = int64_t(samples[i]) - bias;
        const int64_t scaled = ((centred * volume + 128) >> 8) + bias;
        samples[i] = Sample(std::clamp(scaled, low, high));
    }
}

template <typename Sample> void scaleFloat(Sample* samples, int count, int volume)
{
    const Sample gain = Sample(volume) / Sample(256);
    for (int i = 0; i < count; ++i)
        samples[i] *= gain;
}

} // namespace

void applyVolume(AVFrame* frame, int volume)
{
    if (volume == 256)
        return;
    const auto format = AVSampleFormat(frame->format);
    const int channels = frame->ch_layout.nb_channels;
    const bool planar = av_sample_fmt_is_planar(format);
    const int planes = planar ? channels : 1;
    const int perPlane = planar ? frame->nb_samples : frame->nb_samples * channels;
    for (int p = 0; p < planes; ++p) {
        uint8_t* data = frame->extended_data[p];
        switch (av_get_packed_sample_fmt(format)) {
        case AV_SAMPLE_FMT_U8:
            scaleInteger(data, perPlane, volume, 0, 255, 128);
            break;
        case AV_SAMPLE_FMT_S16:
            scaleInteger(reinterpret_cast<int16_t*>(data), perPlane, volume, INT16_MIN, INT16_MAX,
                         0);
            break;
        case AV_SAMPLE_FMT_S32:
            scaleInteger(reinterpret_cast<int32_t*>(data), perPlane, volume, INT32_MIN, INT32_MAX,
                         0);
            break;
        case AV_SAMPLE_FMT_FLT:
            scaleFloat(reinterpret_cast<float*>(data), perPlane, volume);
            break;
        case AV_SAMPLE_FMT_DBL:
            scaleFloat(reinterpret_cast<double*>(data), perPlane, volume);
            break;
        default:
            break;
        }
    }
}
