// Any text a report carries must reach the error endpoint unchanged after form decoding.
#include "base/ErrorSender.h"

#include <QByteArray>
#include <QString>

#include <cstdint>
#include <cstdlib>

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size)
{
    const QString text = QString::fromUtf8(reinterpret_cast<const char*>(data), int(size));
    const QByteArray body = ErrorSender::formBody(text);
    if (!body.startsWith("error="))
        std::abort();
    QByteArray value = body.mid(6);
    if (value.contains('&') || value.contains('+') || value.contains(' '))
        std::abort();
    const QByteArray decoded = QByteArray::fromPercentEncoding(value);
    if (QString::fromUtf8(decoded.constData(), decoded.size()) != text)
        std::abort();
    return 0;
}
