#pragma once

#include "media/LibavPointers.h"
#include "media/PacketWriter.h"

#include <memory>

// The output's H.264 stream: BGRA pool frames converted to the encoder's pixel format, encoded
// with x264 (CRF 20, preset superfast) and muxed with time stamps in the stream's time base.
// Write failures throw a negative FFmpeg error code. Runs on the video output's thread.
class VideoEncoder
{
public:
    VideoEncoder(AVFormatContext* output, const AVOutputFormat* format, int height, int width,
                 int num, int den, int pixelFormat, bool fastDecode = false);
    ~VideoEncoder();

    // `frame` carries its picture number in pts, in num/den units, counted from the last
    // offset; call after the muxer's header is written.
    void encode(const AVFrame* frame, int num, int den);
    // Moves the time origin forward by `frames` of num/den.
    void addPtsOffset(int64_t frames, int num, int den);
    void flush();

    int64_t framesEncoded() const { return encoded; }

private:
    void convert(const AVFrame* frame); // into `picture`
    void send(const AVFrame* frame);
    int64_t toCodecTime(int64_t value, int num, int den) const;

    libav::CodecContextPtr context;
    std::unique_ptr<PacketWriter> writer;
    libav::SwsPtr converter;
    libav::FramePtr picture = libav::makeFrame();
    int64_t offset = 0; // in the codec's time base
    int64_t encoded = 0;
};
