#include "preview/PcmDevice.h"

#include "base/Failure.h"

#include <cstring>

PcmDevice::PcmDevice(const QList<QSharedPointer<MediaFileInfo>>& tracks, double totalDuration,
                     double startSeconds)
    : music(tracks, totalDuration),
      remaining(qMax<qint64>(0, qint64((totalDuration - startSeconds) * PcmMusic::kRate)) *
                PcmMusic::kBytesPerSample)
{
    try {
        music.seek(startSeconds);
    } catch (const Failure&) {
        broken = true; // the picture plays on in silence
    }
}

qint64 PcmDevice::bytesAvailable() const
{
    return remaining + QIODevice::bytesAvailable();
}

qint64 PcmDevice::readData(char* data, qint64 maxSize)
{
    const qint64 length =
        qMin(maxSize, remaining) / PcmMusic::kBytesPerSample * PcmMusic::kBytesPerSample;
    if (length <= 0)
        return 0;
    QByteArray chunk;
    if (!broken) {
        try {
            chunk = music.read(length);
        } catch (const Failure&) {
            broken = true;
        }
    }
    std::memcpy(data, chunk.constData(), size_t(chunk.size()));
    std::memset(data + chunk.size(), 0, size_t(length - chunk.size()));
    remaining -= length;
    return length;
}

qint64 PcmDevice::writeData(const char* data, qint64 maxSize)
{
    Q_UNUSED(data);
    Q_UNUSED(maxSize);
    return -1;
}
