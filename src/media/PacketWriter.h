#pragma once

#include "media/LibavPointers.h"

// The encode-and-write loop every output stream shares: sends a frame to the stream's encoder and
// writes each packet it has ready into the file, time stamps rescaled from the encoder's time
// base to the stream's. Errors come back as the library's negative codes.
class PacketWriter
{
public:
    PacketWriter(AVFormatContext* output, AVStream* stream, AVCodecContext* encoder);

    // Null drains the encoder at the end. 0 or a negative error code.
    int write(const AVFrame* frame);

private:
    AVFormatContext* output;
    AVStream* stream;
    AVCodecContext* encoder;
    libav::PacketPtr packet = libav::makePacket();
};
