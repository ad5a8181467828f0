#include "MediaFixtures.h"

#include <QPainter>

extern "C" {
#include <libavcodec/avcodec.h>
#include <libavformat/avformat.h>
#include <libavutil/channel_layout.h>
#include <libavutil/opt.h>
#include <libswscale/swscale.h>
}

#include <cmath>
#include <memory>

namespace MediaFixtures {

QImage cameraPhoto()
{
    QImage photo(4000, 3000, QImage::Format_RGB32);
    QPainter painter(&photo);
    QLinearGradient gradient(0, 0, 4000, 3000);
    gradient.setColorAt(0, QColor(20, 80, 150));
    gradient.setColorAt(1, QColor(250, 200, 110));
    painter.fillRect(photo.rect(), gradient);
    for (int i = 0; i < 300; ++i)
        painter.fillRect((i * 131) % 3900, (i * 71) % 2900, 80, 60,
                         QColor::fromHsv(i % 360, 150, 220));
    return photo;
}

namespace {

struct Output
{
    AVFormatContext* format = nullptr;
    AVCodecContext* codec = nullptr;
    AVStream* stream = nullptr;
    AVPacket* packet = av_packet_alloc();
    AVFrame* frame = av_frame_alloc();

    ~Output()
    {
        if (format && format->pb)
            avio_closep(&format->pb);
        avformat_free_context(format);
        avcodec_free_context(&codec);
        av_packet_free(&packet);
        av_frame_free(&frame);
    }

    bool open(const QString& path, const char* encoderName, AVCodecID fallback)
    {
        if (avformat_alloc_output_context2(&format, nullptr, nullptr, path.toUtf8().constData()) <
            0)
            return false;
        const AVCodec* encoder = encoderName ? avcodec_find_encoder_by_name(encoderName)
                                             : avcodec_find_encoder(fallback);
        if (!encoder)
            return false;
        codec = avcodec_alloc_context3(encoder);
        stream = avformat_new_stream(format, nullptr);
        if (format->oformat->flags & AVFMT_GLOBALHEADER)
            codec->flags |= AV_CODEC_FLAG_GLOBAL_HEADER;
        return codec && stream;
    }

    bool start(const QString& path)
    {
        if (avcodec_open2(codec, codec->codec, nullptr) < 0 ||
            avcodec_parameters_from_context(stream->codecpar, codec) < 0)
            return false;
        stream->time_base = codec->time_base;
        return avio_open(&format->pb, path.toUtf8().constData(), AVIO_FLAG_WRITE) >= 0 &&
               avformat_write_header(format, nullptr) >= 0;
    }

    bool encode(AVFrame* input)
    {
        if (avcodec_send_frame(codec, input) < 0)
            return false;
        int result = 0;
        while ((result = avcodec_receive_packet(codec, packet)) >= 0) {
            if (packet->duration == 0 && codec->codec_type == AVMEDIA_TYPE_VIDEO)
                packet->duration = 1;
            av_packet_rescale_ts(packet, codec->time_base, stream->time_base);
            packet->stream_index = stream->index;
            if (av_interleaved_write_frame(format, packet) < 0)
                return false;
        }
        return result == AVERROR(EAGAIN) || result == AVERROR_EOF;
    }

    bool finish() { return encode(nullptr) && av_write_trailer(format) >= 0; }
};

} // namespace

QImage quadrants(int, int width, int height)
{
    QImage image(width, height, QImage::Format_RGB32);
    QPainter painter(&image);
    painter.fillRect(0, 0, width / 2, height / 2, Qt::red);
    painter.fillRect(width / 2, 0, width - width / 2, height / 2, Qt::blue);
    painter.fillRect(0, height / 2, width / 2, height - height / 2, Qt::green);
    painter.fillRect(width / 2, height / 2, width - width / 2, height - height / 2, Qt::white);
    return image;
}

bool writeVideo(const QString& path, const VideoSpec& spec)
{
    av_log_set_level(AV_LOG_ERROR); // the encoder's statistics would drown the test output
    Output out;
    if (!out.open(path, spec.codec, AV_CODEC_ID_H264))
        return false;
    out.codec->width = spec.width;
    out.codec->height = spec.height;
    out.codec->time_base = AVRational{1, spec.fps};
    out.codec->framerate = AVRational{spec.fps, 1};
    out.codec->pix_fmt = AV_PIX_FMT_YUV420P;
    out.codec->max_b_frames = spec.bFrames;
    out.codec->gop_size = 30;
    av_opt_set(out.codec->priv_data, "preset", "superfast", 0);
    if (!out.start(path))
        return false;

    out.frame->format = AV_PIX_FMT_YUV420P;
    out.frame->width = spec.width;
    out.frame->height = spec.height;
    if (av_frame_get_buffer(out.frame, 32) < 0)
        return false;
    SwsContext* scaler =
        sws_getContext(spec.width, spec.height, AV_PIX_FMT_BGRA, spec.width, spec.height,
                       AV_PIX_FMT_YUV420P, SWS_BILINEAR, nullptr, nullptr, nullptr);
    bool ok = scaler != nullptr;
    for (int i = 0; ok && i < spec.frames; ++i) {
        const QImage picture =
            spec.painter(i, spec.width, spec.height).convertToFormat(QImage::Format_RGB32);
        const uint8_t* source[1] = {picture.constBits()};
        const int stride[1] = {int(picture.bytesPerLine())};
        ok = av_frame_make_writable(out.frame) >= 0;
        sws_scale(scaler, source, stride, 0, spec.height, out.frame->data, out.frame->linesize);
        out.frame->pts = i;
        ok = ok && out.encode(out.frame);
    }
    sws_freeContext(scaler);
    return ok && out.finish();
}

bool writeAudio(const QString& path, const AudioSpec& spec)
{
    // The codec follows the name, as a person's files do: AAC (.m4a), MP3, FLAC or WAV.
    struct Kind
    {
        const char* suffix;
        const char* encoder;
        AVSampleFormat format;
    };
    static const Kind kinds[] = {{".mp3", "libmp3lame", AV_SAMPLE_FMT_FLTP},
                                 {".flac", "flac", AV_SAMPLE_FMT_S16},
                                 {".wav", "pcm_s16le", AV_SAMPLE_FMT_S16},
                                 {"", "aac", AV_SAMPLE_FMT_FLTP}};
    const Kind* kind = kinds;
    while (*kind->suffix && !path.endsWith(QLatin1String(kind->suffix)))
        ++kind;
    Output out;
    if (!out.open(path, kind->encoder, AV_CODEC_ID_AAC))
        return false;
    out.codec->sample_rate = spec.sampleRate;
    out.codec->sample_fmt = kind->format;
    av_channel_layout_default(&out.codec->ch_layout, spec.channels);
    out.codec->bit_rate = 96000;
    out.codec->time_base = AVRational{1, spec.sampleRate};
    if (!spec.title.isEmpty())
        av_dict_set(&out.format->metadata, "title", spec.title.toUtf8().constData(), 0);
    if (!spec.artist.isEmpty())
        av_dict_set(&out.format->metadata, "artist", spec.artist.toUtf8().constData(), 0);
    if (!spec.fileNameTag.isEmpty())
        av_dict_set(&out.format->metadata, "filename", spec.fileNameTag.toUtf8().constData(), 0);
    if (!out.start(path))
        return false;

    const int frameSize = out.codec->frame_size > 0 ? out.codec->frame_size : 1024;
    const int64_t total = int64_t(std::llround(spec.seconds * spec.sampleRate));
    uint32_t noise = 12345;
    int click = 0; // the last tick begun
    for (int64_t at = 0; at < total; at += frameSize) {
        av_frame_unref(out.frame);
        out.frame->nb_samples = int(std::min<int64_t>(frameSize, total - at));
        out.frame->format = kind->format;
        out.frame->sample_rate = spec.sampleRate;
        av_channel_layout_copy(&out.frame->ch_layout, &out.codec->ch_layout);
        if (av_frame_get_buffer(out.frame, 0) < 0)
            return false;
        for (int i = 0; i < out.frame->nb_samples; ++i) {
            double value = std::sin(2 * M_PI * spec.frequency * double(at + i) / spec.sampleRate);
            if (spec.noise) {
                noise = noise * 1664525u + 1013904223u;
                value = double(noise >> 8) / double(1u << 23) - 1.0;
            }
            if (!spec.clicks.isEmpty()) {
                const double t = double(at + i) / spec.sampleRate;
                while (click + 1 < spec.clicks.size() && spec.clicks[click + 1] <= t)
                    ++click;
                const double since = t - spec.clicks[click];
                value = since >= 0 && since < 0.1 ? value * std::exp(-since * 60.0) : 0.0;
            }
            value *= spec.amplitude;
            for (int c = 0; c < spec.channels; ++c) {
                if (kind->format == AV_SAMPLE_FMT_FLTP)
                    reinterpret_cast<float*>(out.frame->data[c])[i] = float(value);
                else
                    reinterpret_cast<int16_t*>(out.frame->data[0])[i * spec.channels + c] =
                        int16_t(std::lround(value * 32767));
            }
        }
        out.frame->pts = at;
        if (!out.encode(out.frame))
            return false;
    }
    return out.finish();
}

} // namespace MediaFixtures
