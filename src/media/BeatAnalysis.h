#pragma once

#include "media/BeatGrid.h"

#include <QString>

#include <functional>

// Finds the tempo, the beats, the bars and the notes of a music file with aubio: the file is
// decoded to mono at 44100 Hz and handed to aubio's beat tracker and onset detector in blocks.
// Runs on whatever thread calls it; a four-minute song takes well under a second.
class BeatAnalysis
{
public:
    static constexpr int kRate = 44100;
    // Told the percentage done now and then; answering false stops the analysis.
    using Progress = std::function<bool(int percent)>;

    // The beats of the file at `path`; false when stopped. Throws a Failure (naming the file)
    // when it cannot be read as music.
    static bool analyse(const QString& path, BeatGrid* grid, const Progress& progress = {});

    // How far a beat may lie from the start of a note to be moved onto it: aubio places beats
    // by the tempo to within a few hundredths of a second, the notes more closely.
    static constexpr double kOnsetReach = 0.04;

    // Marks the beats that lie on a note and moves them onto it, and marks every fourth beat
    // from the loudest phase as a bar's first. `accents` holds each beat's loudness.
    static void placeOnNotes(BeatGrid* grid, const QVector<double>& onsets);
    static void markBars(BeatGrid* grid, const QVector<double>& accents);
};
