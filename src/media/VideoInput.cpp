#include "media/VideoInput.h"

VideoInput::VideoInput(const QString& path) : AVInput(path, AVMEDIA_TYPE_VIDEO) {}

bool VideoInput::readFrame(AVFrame* out)
{
    while (decodeNext(decoded.get())) {
        SwsContext* cached = sws_getCachedContext(
            scaler.release(), decoded->width, decoded->height, AVPixelFormat(decoded->format),
            out->width, out->height, AV_PIX_FMT_BGRA, SWS_FAST_BILINEAR, nullptr, nullptr, nullptr);
        scaler.reset(cached);
        if (!scaler)
            continue; // a picture the scaler cannot take is skipped like a broken packet
        sws_scale(scaler.get(), decoded->data, decoded->linesize, 0, decoded->height, out->data,
                  out->linesize);
        out->pts = decoded->best_effort_timestamp != AV_NOPTS_VALUE ? decoded->best_effort_timestamp
                                                                    : decoded->pts;
        return true;
    }
    return false;
}
