#pragma once

#include <QColor>
#include <QList>
#include <QRect>
#include <QString>

// Reads a rendered MP4 back with the program's own readers, and (where the ffprobe tool exists)
// checks it independently.
struct OutputProbe
{
    struct VideoFrame
    {
        qint64 pts = 0;       // in the stream's time base
        double luminance = 0; // mean of the probed region, 0..255
        QColor centre;
    };
    QList<VideoFrame> frames;
    int width = 0;
    int height = 0;
    bool hasAudio = false;
    double audioSeconds = 0;
    QList<double> audioRms; // per 100 ms window

    // `region` is where the luminance is measured (in output pixels).
    static OutputProbe read(const QString& path, const QRect& region);
    // ffprobe's frame count of the video stream and whether an AAC stream exists; -1 frames when
    // ffprobe is not installed.
    static int ffprobeFrames(const QString& path, bool* aac = nullptr);
};
