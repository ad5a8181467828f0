#pragma once

#include <QVector>

// Moves the hand-overs of a scene plan onto the music's beats: each to the nearest beat, or to a
// bar's first beat when the scenes are long enough for the bar to show, with every scene kept
// within its limits. A cross-fade is centred on its beat. All in frames of the video.
class BeatCuts
{
public:
    struct Beat
    {
        double frame = 0.0; // the beat's time in frames from the video's start
        bool onset = false; // a note starts on it
        bool bar = false;   // it begins a bar
    };
    struct Span
    {
        int frames = 0; // as planned
        int shortest = 0;
        int longest = 0;
    };

    // The scenes' new lengths. `overflow` is the theme's cross-fade length. With `keepEnd` the
    // video ends where it did (it ends with the music); otherwise the last scene keeps its
    // length and the video ends no later than `latestEnd`. A hand-over with no beat within its
    // scenes' reach stays where it was.
    static QVector<int> place(const QVector<Span>& scenes, int overflow, const QVector<Beat>& beats,
                              bool keepEnd, int latestEnd);
    // The frame, counted from the next scene's first, at which a hand-over is half done: where
    // its beat goes. A cut (no cross-fade) is at that first frame.
    static double middle(int overflow);
};
