#include "media/PacketWriter.h"

PacketWriter::PacketWriter(AVFormatContext* output, AVStream* stream, AVCodecContext* encoder)
    : output(output), stream(stream), encoder(encoder)
{
}

int PacketWriter::write(const AVFrame* frame)
{
    if (!packet)
        return AVERROR(ENOMEM);
    int result = avcodec_send_frame(encoder, frame);
    if (result == AVERROR_EOF && !frame)
        return 0; // drained already
    if (result < 0)
        return result;
    while ((result = avcodec_receive_packet(encoder, packet.get())) >= 0) {
        if (packet->duration == 0)
            packet->duration = 1; // one frame, in the encoder's time base
        av_packet_rescale_ts(packet.get(), encoder->time_base, stream->time_base);
        packet->stream_index = stream->index;
        result = av_interleaved_write_frame(output, packet.get());
        // A full disk shows in the I/O context before the muxer reports it.
        if (result >= 0 && output->pb && output->pb->error < 0)
            result = output->pb->error;
        if (result < 0)
            return result;
    }
    return result == AVERROR(EAGAIN) || result == AVERROR_EOF ? 0 : result;
}
