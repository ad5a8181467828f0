#pragma once

#include <QByteArray>
#include <QVector>

// The beats of one music track, as seconds from its start: what the scene plan may put its cuts
// on. A plain value, copied freely between threads.
class BeatGrid
{
public:
    struct Beat
    {
        double seconds = 0.0;
        // A note starts on it (the beat is heard, not only implied by the tempo).
        bool onset = false;
        // The first beat of a bar.
        bool bar = false;
    };

    double tempo = 0.0; // beats per minute over the whole track
    QVector<Beat> beats;

    // A small text form for the cache folder, and back; false for text that is not one (another
    // version of the format, a damaged file).
    QByteArray toText() const;
    static bool fromText(const QByteArray& text, BeatGrid* grid);

    // Bumped whenever the analysis changes what it finds, so that older cache entries are
    // analysed again.
    static constexpr int kFormat = 2;
};
