#include "media/LibavFailure.h"

extern "C" {
#include <libavutil/error.h>
}

QString libavReason(int code)
{
    char text[AV_ERROR_MAX_STRING_SIZE] = {};
    av_strerror(code, text, sizeof text);
    return QString::fromUtf8(text);
}

void throwLibav(const char* step, int code)
{
    throw Failure(QString(), QString(), libavReason(code), QString::fromLatin1(step));
}
