#pragma once

#include "ThemeRecipe.h"

#include <QImage>

// Where a built scene may stretch: its hold is the longest run of frames in which every slot
// rests or drifts (no slot enters, leaves, fades or moves a corner by more than two pixels of a
// 1080p frame between frames). A video background loops over its middle, the same span for every
// scene that shows it (an eighth of its length off either end). The loop is made to join: its last
// frames blend into the frames just before its start, and the frames after it are painted as if
// the loop had been played once, so the video runs on from its end without a jump and goes back
// to its start without one either.
class SceneSpans
{
public:
    explicit SceneSpans(const SceneRecipe& scene);

    bool hasHold() const { return holdEnd > holdStart; }
    int start() const { return holdStart; }
    int end() const { return holdEnd; }
    bool loops() const { return loopEnd > loopStart; }
    int loopFrom() const { return loopStart; }
    int loopTo() const { return loopEnd; }
    // The background frame `index` at width x height, with the loop made to join.
    QImage backdrop(int index, int width, int height) const;

    // How much slower or faster a hold may play.
    static constexpr double kShortest = 0.5;
    static constexpr double kLongest = 8.0;

private:
    const SceneRecipe& scene;
    int holdStart = 0;
    int holdEnd = 0;
    int loopStart = 0;
    int loopEnd = 0;
};
