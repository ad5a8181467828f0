#include "media/LibavInit.h"

#include <QLoggingCategory>
#include <QString>

#include <cstdarg>

extern "C" {
#include <libavutil/log.h>
}

Q_LOGGING_CATEGORY(lcLibav, "lumavive.libav")

namespace {

void logToQt(void* avcl, int level, const char* format, va_list args)
{
    if (level > av_log_get_level())
        return;
    // The prefix state is per thread: decoders log from their own threads.
    thread_local int printPrefix = 1;
    char line[1024];
    av_log_format_line2(avcl, level, format, args, line, sizeof line, &printPrefix);
    const QString text = QString::fromUtf8(line).trimmed();
    if (text.isEmpty())
        return;
    if (level <= AV_LOG_WARNING)
        qCWarning(lcLibav).noquote() << text;
    else if (level <= AV_LOG_INFO)
        qCInfo(lcLibav).noquote() << text;
    else
        qCDebug(lcLibav).noquote() << text;
}

} // namespace

void initLibav()
{
    av_log_set_level(AV_LOG_WARNING);
    av_log_set_callback(logToQt);
}
