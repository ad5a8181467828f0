// Phones' WebP photos come from anywhere: finding the EXIF orientation must survive any bytes,
// as a RIFF file and as a bare TIFF block, without reading out of bounds or looping.
#include "media/WebpOrientation.h"

#include "FuzzApp.h"

#include <QBuffer>
#include <QImage>

#include <cstdint>

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size)
{
    ensureFuzzApp("fuzz_webp_orientation");

    const QByteArray bytes(reinterpret_cast<const char*>(data), int(size));
    QBuffer buffer;
    buffer.setData(bytes);
    buffer.open(QIODevice::ReadOnly);
    const int orientation = WebpOrientation::of(&buffer);
    if (orientation < 1 || orientation > 8)
        __builtin_trap();
    const int fromTiff = WebpOrientation::ofTiff(bytes);
    if (fromTiff < 1 || fromTiff > 8)
        __builtin_trap();
    QImage picture(3, 2, QImage::Format_RGB32);
    picture.fill(Qt::white);
    WebpOrientation::upright(picture, orientation);
    return 0;
}
