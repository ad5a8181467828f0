#include "media/AVInput.h"

#include "media/LibavFailure.h"

#include <QCoreApplication>
#include <QDir>

namespace {

constexpr int kIoBufferSize = 4096;

int readFromQt(void* opaque, uint8_t* buffer, int size)
{
    const qint64 got = static_cast<QFile*>(opaque)->read(reinterpret_cast<char*>(buffer), size);
    if (got == 0)
        return AVERROR_EOF;
    return got < 0 ? AVERROR(EIO) : int(got);
}

// Lets containers that keep their index at the end (MP4 with "moov" last) open on the Qt path.
int64_t seekInQt(void* opaque, int64_t offset, int whence)
{
    auto* file = static_cast<QFile*>(opaque);
    switch (whence & ~AVSEEK_FORCE) {
    case AVSEEK_SIZE:
        return file->size();
    case SEEK_SET:
        break;
    case SEEK_CUR:
        offset += file->pos();
        break;
    case SEEK_END:
        offset += file->size();
        break;
    default:
        return AVERROR(EINVAL);
    }
    return file->seek(offset) ? offset : AVERROR(EIO);
}

} // namespace

void AVInput::fail(const QString& path, AVMediaType mediaType, const QString& reason)
{
    // The person chose the music; the theme brought the background.
    const QString message =
        mediaType == AVMEDIA_TYPE_AUDIO
            ? QCoreApplication::translate("AVInput",
                                          "The music file %1 cannot be played. Check that it is "
                                          "still there, or choose another track.")
            : QCoreApplication::translate("AVInput",
                                          "The theme's background video %1 cannot be played. "
                                          "Download the theme again, or choose another theme.");
    throw Failure(message.arg(QDir::toNativeSeparators(path)), path, reason);
}

AVInput::AVInput(const QString& path, AVMediaType mediaType)
{
    openByName(path);
    if (!format)
        openThroughQt(path, mediaType);

    int result = avformat_find_stream_info(format.get(), nullptr);
    if (result < 0)
        fail(path, mediaType, libavReason(result));

    for (unsigned i = 0; i < format->nb_streams; ++i) {
        if (format->streams[i]->codecpar->codec_type == mediaType) {
            stream = format->streams[i];
            streamIndex = int(i);
            break;
        }
    }
    if (!stream)
        fail(path, mediaType,
             mediaType == AVMEDIA_TYPE_AUDIO
                 ? QCoreApplication::translate("AVInput", "the file holds no sound")
                 : QCoreApplication::translate("AVInput", "the file holds no pictures"));

    codec = avcodec_find_decoder(stream->codecpar->codec_id);
    decoder.reset(avcodec_alloc_context3(codec));
    result = codec && decoder ? avcodec_parameters_to_context(decoder.get(), stream->codecpar)
                              : AVERROR_DECODER_NOT_FOUND;
    if (result >= 0) {
        decoder->pkt_timebase = stream->time_base;
        // One thread: the render already runs decoding, composing and encoding side by side, so
        // more decoding threads only add their own pictures (measured: 24 MB more per 1080p
        // background for no gain in speed on two cores).
        decoder->thread_count = 1;
        result = avcodec_open2(decoder.get(), codec, nullptr);
    }
    if (result < 0)
        fail(path, mediaType, libavReason(result));
}

AVInput::~AVInput() = default;

void AVInput::openByName(const QString& path)
{
    // Only local files: a path must never make the reader go on the network.
    AVDictionary* options = nullptr;
    av_dict_set(&options, "protocol_whitelist", "file", 0);
    AVFormatContext* opened = nullptr;
    const int result = avformat_open_input(&opened, path.toUtf8().constData(), nullptr, &options);
    const libav::DictionaryPtr unused(options); // what the demuxer did not take
    if (result >= 0)
        format.reset(opened);
}

void AVInput::openThroughQt(const QString& path, AVMediaType mediaType)
{
    file = std::make_unique<QFile>(path);
    // Qt's words for a missing or forbidden file are plainer than the demuxer's.
    if (!file->open(QIODevice::ReadOnly))
        fail(path, mediaType, file->errorString());
    auto* buffer = static_cast<unsigned char*>(av_malloc(kIoBufferSize));
    io.reset(
        avio_alloc_context(buffer, kIoBufferSize, 0, file.get(), readFromQt, nullptr, seekInQt));
    if (!io)
        av_free(buffer);
    AVFormatContext* opened = avformat_alloc_context();
    int result = AVERROR(ENOMEM);
    if (io && opened) {
        opened->pb = io.get();
        // On failure the library frees the context and sets the pointer to null.
        result = avformat_open_input(&opened, nullptr, nullptr, nullptr);
    } else {
        avformat_free_context(opened);
        opened = nullptr;
    }
    if (result < 0)
        fail(path, mediaType, libavReason(result));
    format.reset(opened);
}

AVRational AVInput::timeBase() const
{
    return stream->time_base;
}

int64_t AVInput::duration() const
{
    return stream->duration;
}

int64_t AVInput::framesCount() const
{
    return stream->nb_frames;
}

AVCodecContext* AVInput::codecContext() const
{
    return decoder.get();
}

AVDictionary* AVInput::metadata() const
{
    return format->metadata;
}

bool AVInput::decodeNext(AVFrame* frame)
{
    while (!drained) {
        const int received = avcodec_receive_frame(decoder.get(), frame);
        if (received >= 0)
            return true;
        if (draining) {
            // Fully drained (or failed while draining): nothing more will come.
            drained = true;
            continue;
        }
        // Needs more input (or the last packet failed to decode: skip it and read on).
        if (av_read_frame(format.get(), packet.get()) < 0) {
            draining = true;
            if (avcodec_send_packet(decoder.get(), nullptr) < 0)
                drained = true;
            continue;
        }
        if (packet->stream_index == streamIndex)
            avcodec_send_packet(decoder.get(), packet.get());
        av_packet_unref(packet.get());
    }
    return false;
}

bool AVInput::seek(double seconds)
{
    const int64_t target =
        av_rescale_q(int64_t(seconds * AV_TIME_BASE), AV_TIME_BASE_Q, stream->time_base) +
        (stream->start_time != AV_NOPTS_VALUE ? stream->start_time : 0);
    if (av_seek_frame(format.get(), streamIndex, target, AVSEEK_FLAG_BACKWARD) < 0)
        return false;
    avcodec_flush_buffers(decoder.get());
    draining = false;
    drained = false;
    return true;
}

double AVInput::secondsOf(const AVFrame* frame) const
{
    int64_t pts =
        frame->best_effort_timestamp != AV_NOPTS_VALUE ? frame->best_effort_timestamp : frame->pts;
    if (pts == AV_NOPTS_VALUE)
        return -1.0;
    if (stream->start_time != AV_NOPTS_VALUE)
        pts -= stream->start_time;
    return double(pts) * av_q2d(stream->time_base);
}
