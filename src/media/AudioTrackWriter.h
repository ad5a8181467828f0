#pragma once

#include "media/LibavPointers.h"
#include "media/MediaFileInfo.h"

#include <QList>
#include <QSharedPointer>

#include <memory>

class AudioEncoder;
class AudioInput;

// Plays the project's music tracks once, one after another, under the video: each call writes
// audio up to the given video time, with a one-second fade-in at the start of every track, a
// one-second fade-out before a track or the video ends, and silence after the video's end.
class AudioTrackWriter
{
public:
    AudioTrackWriter(QList<QSharedPointer<MediaFileInfo>> tracks, double totalDuration);
    ~AudioTrackWriter();

    // Throws the reader's int when a track can no longer be opened.
    void writeUntil(AudioEncoder& encoder, double seconds);

    // The gain (8 fraction bits) of a frame ending `intoTrack` seconds into its track.
    static int volumeAt(double intoTrack, double remainingTrack, double remainingTotal);

private:
    QList<QSharedPointer<MediaFileInfo>> tracks;
    double totalDuration;
    double written = 0.0;   // seconds of audio written
    double intoTrack = 0.0; // seconds into the current track
    std::unique_ptr<AudioInput> input;
    int nextTrack = 0;
    QSharedPointer<MediaFileInfo> current;
    libav::FramePtr frame = libav::makeFrame();
};
