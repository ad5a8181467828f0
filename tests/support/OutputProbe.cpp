#include "OutputProbe.h"
#include "base/Failure.h"

#include "media/AudioInput.h"
#include "media/VideoInput.h"

#include <QColor>
#include <QProcess>
#include <QStandardPaths>

#include <cmath>

OutputProbe OutputProbe::read(const QString& path, const QRect& region)
{
    OutputProbe probe;
    {
        VideoInput video(path);
        probe.width = video.codecContext()->width;
        probe.height = video.codecContext()->height;
        libav::FramePtr frame = libav::makeFrame();
        frame->format = AV_PIX_FMT_BGRA;
        frame->width = probe.width;
        frame->height = probe.height;
        av_frame_get_buffer(frame.get(), 32);
        while (video.readFrame(frame.get())) {
            VideoFrame info;
            info.pts = frame->pts;
            double sum = 0;
            int count = 0;
            for (int y = region.top(); y <= region.bottom(); y += 4) {
                const uint8_t* row = frame->data[0] + y * frame->linesize[0];
                for (int x = region.left(); x <= region.right(); x += 4) {
                    const uint8_t* p = row + 4 * x;
                    sum += 0.114 * p[0] + 0.587 * p[1] + 0.299 * p[2];
                    ++count;
                }
            }
            info.luminance = count ? sum / count : 0;
            const uint8_t* c =
                frame->data[0] + (probe.height / 2) * frame->linesize[0] + 4 * (probe.width / 2);
            info.centre = QColor(c[2], c[1], c[0]);
            probe.frames << info;
        }
    }
    try {
        AudioInput audio(path);
        probe.hasAudio = true;
        libav::FramePtr frame = libav::makeFrame();
        double windowSum = 0;
        int windowCount = 0;
        while (audio.readFrame(frame.get())) {
            const int rate = frame->sample_rate;
            probe.audioSeconds += double(frame->nb_samples) / rate;
            // The program writes planar float.
            const auto* samples = reinterpret_cast<const float*>(frame->extended_data[0]);
            for (int i = 0; i < frame->nb_samples; ++i) {
                windowSum += double(samples[i]) * samples[i];
                if (++windowCount == rate / 10) {
                    probe.audioRms << std::sqrt(windowSum / windowCount);
                    windowSum = 0;
                    windowCount = 0;
                }
            }
        }
    } catch (const Failure&) {
        probe.hasAudio = false;
    }
    return probe;
}

int OutputProbe::ffprobeFrames(const QString& path, bool* aac)
{
    const QString ffprobe = QStandardPaths::findExecutable("ffprobe");
    if (ffprobe.isEmpty())
        return -1;
    QProcess process;
    process.start(ffprobe, {"-v", "error", "-count_frames", "-show_entries",
                            "stream=codec_name,nb_read_frames", "-of", "csv=p=0", path});
    process.waitForFinished(60000);
    const QString output = QString::fromUtf8(process.readAllStandardOutput());
    int frames = 0;
    if (aac)
        *aac = false;
    for (const QString& line : output.split('\n', Qt::SkipEmptyParts)) {
        const QStringList parts = line.trimmed().split(',');
        if (parts.value(0) == "h264")
            frames = parts.value(1).toInt();
        if (parts.value(0) == "aac" && aac)
            *aac = true;
    }
    return frames;
}
