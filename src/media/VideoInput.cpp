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
        // Of another size (a Full HD background in an HD video): swscale scales the planes,
        // where its vector code works, and libyuv converts them as above. Scaling straight into
        // BGRA took swscale's scalar output code, twice the time, on every frame of the render.
        if (decoded->format == AV_PIX_FMT_YUV420P && out->format == AV_PIX_FMT_BGRA &&
            scalePlanes(out->width, out->height) &&
            libyuv::I420ToARGB(planes->data[0], planes->linesize[0], planes->data[1],
                               planes->linesize[1], planes->data[2], planes->linesize[2],
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

bool VideoInput::scalePlanes(int width, int height)
{
    if (!planes || planes->width != width || planes->height != height) {
        planes = libav::makeFrame();
        if (!planes)
            return false;
        planes->format = AV_PIX_FMT_YUV420P;
        planes->width = width;
        planes->height = height;
        if (av_frame_get_buffer(planes.get(), 32) < 0) {
            planes.reset();
            return false;
        }
    }
    SwsContext* cached = sws_getCachedContext(
        planeScaler.release(), decoded->width, decoded->height, AV_PIX_FMT_YUV420P, width, height,
        AV_PIX_FMT_YUV420P, SWS_FAST_BILINEAR, nullptr, nullptr, nullptr);
    planeScaler.reset(cached);
    if (!planeScaler)
        return false;
    return sws_scale(planeScaler.get(), decoded->data, decoded->linesize, 0, decoded->height,
                     planes->data, planes->linesize) == height;
}
