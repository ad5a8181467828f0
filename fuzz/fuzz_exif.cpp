// Photos come from anywhere: the EXIF reader must survive any bytes, as a JPEG and as a bare
// TIFF structure, without reading out of bounds, allocating wildly or looping.
#include "images/ExifHeader.h"

#include <QBuffer>
#include <QGuiApplication>

#include <cstdint>

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size)
{
    static int argc = 1;
    static char name[] = "fuzz_exif";
    static char* argv[] = {name, nullptr};
    static QGuiApplication* app = [] {
        qputenv("QT_QPA_PLATFORM", "offscreen");
        qputenv("QT_LOGGING_RULES", "*.warning=false");
        return new QGuiApplication(argc, argv);
    }();
    Q_UNUSED(app);

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
