#pragma once

#include "base/Worker.h"
#include "media/MediaFileInfo.h"
#include "media/OutputCommand.h"

#include <QList>
#include <QMutex>
#include <QSharedPointer>
#include <QString>
#include <QWaitCondition>

#include <atomic>
#include <deque>

// What the video output writes: where, in which size, and the music under it. The file is
// always an MP4 with H.264 video in YUV 4:2:0 and, with music, AAC audio.
struct OutputSettings
{
    QString path;
    int height = 720;
    int width = 1280;
    int num = 1; // time base of the frames' numbers
    int den = 30;
    // Encodes for cheap decoding (x264's "fastdecode" tune: no CABAC, no deblocking) at the cost
    // of a larger file: for backgrounds that every render decodes again.
    bool fastDecode = false;
    QList<QSharedPointer<MediaFileInfo>> tracks; // none: no audio stream
    double totalDuration = 0.0;                  // seconds; the music fades out before it
};

// The encoding run on the output's own thread: serves the command queue (sleeping while it is
// empty), encodes each frame and writes the music up to its time, then flushes and closes the file.
// Any failure takes the abort path: "Video output process thread failed" and error().
class VideoOutputWorker : public Worker
{
    Q_OBJECT
public:
    explicit VideoOutputWorker(OutputSettings settings);
    ~VideoOutputWorker() override;

    void enqueue(OutputCommand command);
    // Render thread: asks the run to end once the queue is empty and waits for that, unless the
    // run has already ended after an error.
    void requestFinish();
    bool hasEnded() const { return ended; }

signals:
    void error();

protected:
    void run() override;

private:
    void encodeAll();
    bool takeNext(std::deque<OutputCommand>& into);

    OutputSettings settings;
    std::atomic<bool> finishRequested{false};
    std::atomic<bool> ended{false};
    QMutex queueLock;
    QWaitCondition changed; // a command arrived, the queue ran empty, or the run ended
    std::deque<OutputCommand> queue;
};
