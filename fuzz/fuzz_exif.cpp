// Photos come from anywhere: the EXIF reader must survive any bytes, as a JPEG and as a bare
// TIFF structure, without reading out of bounds, allocating wildly or looping.
#include "images/ExifHeader.h"

#include "FuzzApp.h"

#include <QBuffer>

#include <cstdint>

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size)
{
    ensureFuzzApp("fuzz_exif");

    const QByteArray bytes(reinterpret_cast<const char*>(data), int(size));
    QBuffer buffer;
    buffer.setData(bytes);
    buffer.open(QIODevice::ReadOnly);
    ExifHeader header;
    if (header.loadFromJpeg(&buffer)) {
        header.thumbnail();
        header.value(ExifHeader::PixelXDimension).toLong();
    }
    buffer.seek(0);
    header.read(&buffer);
    for (const QExifValue& value : header.imageValues()) {
        value.toLong();
        value.toString();
    }
    return 0;
}
