#include "media/VideoInput.h"

#include <libyuv/convert_argb.h>

VideoInput::VideoInput(const QString& path) : AVInput(path, AVMEDIA_TYPE_VIDEO) {}

bool VideoInput::readFrame(AVFrame* out)
{
    while (decodeNext(decoded.get())) {
        out->pts = decoded->best_effort_timestamp != AV_NOPTS_VALUE ? decoded->best_effort_timestamp
                                                                    : decoded->pts;
        // A background at the output's size: libyuv converts it (BT.601, studio range, as
        // swscale does) several times faster, and every render converts every background frame.
        if (decoded->format == AV_PIX_FMT_YUV420P && out->format == AV_PIX_FMT_BGRA &&
            decoded->width == out->width && decoded->height == out->height &&
            libyuv::I420ToARGB(decoded->data[0], decoded->linesize[0], decoded->data[1],
                               decoded->linesize[1], decoded->data[2], decoded->linesize[2],
                               out->data[0], out->linesize[0], out->width, out->height) == 0)
            return true;
        SwsContext* cached = sws_getCachedContext(
            scaler.release(), decoded->width, decoded->height, AVPixelFormat(decoded->format),
            out->width, out->height, AV_PIX_FMT_BGRA, SWS_FAST_BILINEAR, nullptr, nullptr, nullptr);
        scaler.reset(cached);
        if (!scaler)
            continue; // a picture the scaler cannot take is skipped like a broken packet
        sws_scale(scaler.get(), decoded->data, decoded->linesize, 0, decoded->height, out->data,
                  out->linesize);
        return true;
    }
    return false;
}
