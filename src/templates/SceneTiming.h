#pragma once

#include <QVector>

class Scene;

// A scene played in a length of the plan's choosing: frame for frame up to its hold, through the
// hold slower or faster, then frame for frame to its end. Slots are drawn at the designed
// position of each played frame (between keyframes when the hold is stretched); a video
// background goes around its loop span, or is time-mapped with the slots.
class SceneTiming
{
public:
    // `length` is clamped to what the scene can play.
    SceneTiming(const Scene& scene, int length);

    int length() const { return played; }
    // True when the scene plays exactly as designed.
    bool asDesigned() const { return played == designed; }
    // The designed frame, fractional inside a stretched hold, that played frame `frame` shows.
    double position(int frame) const;
    // For each played frame, the frame of the background video to show.
    QVector<int> backgroundFrames() const;

private:
    int designed = 0;
    int played = 0;
    int holdStart = 0;
    int holdDesigned = 0;
    int holdPlayed = 0;
    int loopStart = 0;
    int loopEnd = 0;
};
