#pragma once

#include <QColor>
#include <QImage>
#include <QString>
#include <QVector>

#include <functional>

// Media files written by the tests themselves with the FFmpeg API.
namespace MediaFixtures {

// The picture of frame `index` of a fixture video.
using FramePainter = std::function<QImage(int index, int width, int height)>;

// A 4000x3000 picture with a gradient and 300 coloured patches: a camera photo's size and some
// of its detail, for benchmarks.
QImage cameraPhoto();

// Four quadrants: top-left red, top-right blue, bottom-left green, bottom-right white.
QImage quadrants(int index, int width, int height);

struct VideoSpec
{
    int width = 640;
    int height = 480;
    int frames = 30;
    int fps = 30;
    int bFrames = 2; // H.264 B-frames (delayed pictures at the end)
    const char* codec = "libx264";
    FramePainter painter = quadrants;
};

// Writes an MP4 (or any container the suffix names). False on failure.
bool writeVideo(const QString& path, const VideoSpec& spec);

struct AudioSpec
{
    int sampleRate = 44100;
    int channels = 2;
    double seconds = 1.0;
    double frequency = 440.0;
    double amplitude = 0.5;
    bool noise = false; // white noise instead of the tone: no two moments sound alike
    // A metronome instead: a short ringing tick at each of these seconds, silence between.
    QVector<double> clicks;
    QString title;
    QString artist;
    QString fileNameTag;
};

// Writes a sine tone (or noise) with the given tags, coded by the file's suffix: .mp3, .flac, .wav,
// else AAC in MP4 (.m4a). False on failure.
bool writeAudio(const QString& path, const AudioSpec& spec);

} // namespace MediaFixtures
