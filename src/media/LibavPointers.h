#pragma once

// Owning handles for the FFmpeg objects the media layer uses: each C resource is released in
// exactly one place, whatever path (return, exception) leaves its scope.

extern "C" {
#include <libavcodec/avcodec.h>
#include <libavformat/avformat.h>
#include <libavutil/audio_fifo.h>
#include <libavutil/frame.h>
#include <libswresample/swresample.h>
#include <libswscale/swscale.h>
}

#include <memory>

namespace libav {

struct FrameDeleter
{
    void operator()(AVFrame* f) const { av_frame_free(&f); }
};
struct PacketDeleter
{
    void operator()(AVPacket* p) const { av_packet_free(&p); }
};
struct CodecContextDeleter
{
    void operator()(AVCodecContext* c) const { avcodec_free_context(&c); }
};
struct InputContextDeleter
{
    void operator()(AVFormatContext* f) const { avformat_close_input(&f); }
};
struct OutputContextDeleter
{
    // Closes the file (when the muxer opened one) and frees the context.
    void operator()(AVFormatContext* f) const
    {
        if (f->pb && !(f->oformat->flags & AVFMT_NOFILE))
            avio_closep(&f->pb);
        avformat_free_context(f);
    }
};
struct IoContextDeleter
{
    // The library may have replaced the buffer it was given: free whatever it holds now.
    void operator()(AVIOContext* io) const
    {
        av_freep(&io->buffer);
        avio_context_free(&io);
    }
};
struct SwsDeleter
{
    void operator()(SwsContext* s) const { sws_freeContext(s); }
};
struct SwrDeleter
{
    void operator()(SwrContext* s) const { swr_free(&s); }
};
struct AudioFifoDeleter
{
    void operator()(AVAudioFifo* f) const { av_audio_fifo_free(f); }
};
struct DictionaryDeleter
{
    void operator()(AVDictionary* d) const { av_dict_free(&d); }
};

using FramePtr = std::unique_ptr<AVFrame, FrameDeleter>;
using PacketPtr = std::unique_ptr<AVPacket, PacketDeleter>;
using CodecContextPtr = std::unique_ptr<AVCodecContext, CodecContextDeleter>;
using InputContextPtr = std::unique_ptr<AVFormatContext, InputContextDeleter>;
using OutputContextPtr = std::unique_ptr<AVFormatContext, OutputContextDeleter>;
using IoContextPtr = std::unique_ptr<AVIOContext, IoContextDeleter>;
using SwsPtr = std::unique_ptr<SwsContext, SwsDeleter>;
using SwrPtr = std::unique_ptr<SwrContext, SwrDeleter>;
using AudioFifoPtr = std::unique_ptr<AVAudioFifo, AudioFifoDeleter>;
using DictionaryPtr = std::unique_ptr<AVDictionary, DictionaryDeleter>;

inline FramePtr makeFrame()
{
    return FramePtr(av_frame_alloc());
}

inline PacketPtr makePacket()
{
    return PacketPtr(av_packet_alloc());
}

} // namespace libav
