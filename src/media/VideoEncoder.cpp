#include "media/VideoEncoder.h"

#include "media/LibavFailure.h"

extern "C" {
#include <libavutil/opt.h>
}

#include <libyuv/convert.h>

VideoEncoder::VideoEncoder(AVFormatContext* output, const AVOutputFormat* format, int height,
                           int width, int num, int den, int pixelFormat, bool fastDecode)
{
    const AVCodec* encoder = avcodec_find_encoder(format->video_codec);
    if (!encoder)
        throwLibav("avcodec_find_encoder", AVERROR_ENCODER_NOT_FOUND);
    AVStream* stream = avformat_new_stream(output, nullptr);
    context.reset(avcodec_alloc_context3(encoder));
    if (!stream || !context || !picture)
        throwLibav("avcodec_alloc_context3", AVERROR(ENOMEM));
    context->height = height;
    context->width = width;
    context->time_base = AVRational{num, den};
    context->framerate = AVRational{den, num};
    context->pix_fmt = AVPixelFormat(pixelFormat);
    context->thread_count = 0; // x264 picks its threads for this machine's cores
    if (output->oformat->flags & AVFMT_GLOBALHEADER)
        context->flags |= AV_CODEC_FLAG_GLOBAL_HEADER;
    av_opt_set(context->priv_data, "crf", "20", 0);
    av_opt_set(context->priv_data, "preset", "superfast", 0);
    if (fastDecode)
        av_opt_set(context->priv_data, "tune", "fastdecode", 0);
    // x264 buffers frames for its threaded lookahead, by default one per thread and more; with
    // no lookahead decisions to make (superfast) they only hold memory: one keeps the same
    // speed and the same bytes, and 20 MiB less at 1080p.
    av_opt_set(context->priv_data, "x264-params", "sync-lookahead=1", 0);
    int result = avcodec_open2(context.get(), encoder, nullptr);
    if (result >= 0)
        result = avcodec_parameters_from_context(stream->codecpar, context.get());
    if (result < 0)
        throwLibav("avcodec_open2", result);
    stream->time_base = context->time_base; // a hint; the muxer chooses at the header
    writer = std::make_unique<PacketWriter>(output, stream, context.get());

    picture->format = context->pix_fmt;
    picture->width = width;
    picture->height = height;
    result = av_frame_get_buffer(picture.get(), 32);
    if (result < 0)
        throwLibav("av_frame_get_buffer", result);
}

VideoEncoder::~VideoEncoder() = default;

int64_t VideoEncoder::toCodecTime(int64_t value, int num, int den) const
{
    // Multiply first, then divide (truncating), all in 64-bit integers.
    return value * num * context->time_base.den / den / context->time_base.num;
}

void VideoEncoder::encode(const AVFrame* frame, int num, int den)
{
    // The encoder may still hold the previous picture.
    int result = av_frame_make_writable(picture.get());
    if (result < 0)
        throwLibav("av_frame_make_writable", result);
    convert(frame);
    picture->pts = toCodecTime(frame->pts, num, den) + offset;
    // A frame marked as a key frame starts a new group, so that a reader can seek to it (the
    // start of a background's loop); unmarked frames are the encoder's to choose.
    picture->pict_type =
        frame->pict_type == AV_PICTURE_TYPE_I ? AV_PICTURE_TYPE_I : AV_PICTURE_TYPE_NONE;
    send(picture.get());
    ++encoded;
}

void VideoEncoder::convert(const AVFrame* frame)
{
    // Pool frames are BGRA at the output size: libyuv converts them (BT.601, studio range, as
    // swscale does) in a twentieth of swscale's time, which is a third of x264's at 1080p.
    if (frame->format == AV_PIX_FMT_BGRA && context->pix_fmt == AV_PIX_FMT_YUV420P &&
        frame->width == context->width && frame->height == context->height) {
        if (libyuv::ARGBToI420(frame->data[0], frame->linesize[0], picture->data[0],
                               picture->linesize[0], picture->data[1], picture->linesize[1],
                               picture->data[2], picture->linesize[2], frame->width,
                               frame->height) != 0)
            throwLibav("ARGBToI420", AVERROR(EINVAL));
        return;
    }
    SwsContext* cached = sws_getCachedContext(
        converter.release(), frame->width, frame->height, AV_PIX_FMT_BGRA, context->width,
        context->height, context->pix_fmt, SWS_FAST_BILINEAR, nullptr, nullptr, nullptr);
    converter.reset(cached);
    if (!converter)
        throwLibav("sws_getCachedContext", AVERROR(EINVAL));
    sws_scale(converter.get(), frame->data, frame->linesize, 0, frame->height, picture->data,
              picture->linesize);
}

void VideoEncoder::addPtsOffset(int64_t frames, int num, int den)
{
    offset += toCodecTime(frames, num, den);
}

void VideoEncoder::flush()
{
    send(nullptr);
}

void VideoEncoder::send(const AVFrame* frame)
{
    if (const int result = writer->write(frame); result < 0)
        throwLibav("av_write_frame", result);
}
