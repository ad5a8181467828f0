#pragma once

#include "media/PcmMusic.h"

#include <QIODevice>

// The project's music as a readable device for the sound card, from a point in the video on.
// A track that can no longer be read goes on as silence: the preview never stops for the music.
class PcmDevice : public QIODevice
{
    Q_OBJECT
public:
    PcmDevice(const QList<QSharedPointer<MediaFileInfo>>& tracks, double totalDuration,
              double startSeconds);
    bool isSequential() const override { return true; }
    qint64 bytesAvailable() const override;

protected:
    qint64 readData(char* data, qint64 maxSize) override;
    qint64 writeData(const char* data, qint64 maxSize) override;

private:
    PcmMusic music;
    qint64 remaining; // bytes until the video's end
    bool broken = false;
};
