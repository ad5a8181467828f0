#pragma once

#include "media/AudioFrameSink.h"
#include "media/LibavPointers.h"
#include "media/MediaFileInfo.h"

#include <QList>
#include <QSharedPointer>

#include <memory>

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
    void writeUntil(AudioFrameSink& sink, double seconds);
    // Starts over at `seconds` into the music (the preview starting mid-way): the track playing
    // then, decoded from the frame holding that moment. Throws as writeUntil() does.
    void seek(double seconds);

    // The gain (8 fraction bits) of a frame ending `intoTrack` seconds into its track.
    static int volumeAt(double intoTrack, double remainingTrack, double remainingTotal);

private:
    void dropLeadingSamples(int count);

    QList<QSharedPointer<MediaFileInfo>> tracks;
    double totalDuration;
    double written = 0.0;   // seconds of audio written
    double intoTrack = 0.0; // seconds into the current track
    std::unique_ptr<AudioInput> input;
    int nextTrack = 0;
    QSharedPointer<MediaFileInfo> current;
    libav::FramePtr frame = libav::makeFrame();
    bool frameHeld = false; // seek() decoded `frame` already
};
