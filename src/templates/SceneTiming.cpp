#include "templates/SceneTiming.h"

#include "templates/Scene.h"

#include <cmath>

SceneTiming::SceneTiming(const Scene& scene, int length)
    : designed(scene.frames), played(scene.clampedLength(length)), holdStart(scene.holdStart),
      holdDesigned(scene.holdFrames()), holdPlayed(scene.holdFrames() + played - designed),
      loopStart(scene.loopStart), loopEnd(scene.loopEnd)
{
    if (!scene.hasLoop() || scene.bgType != Scene::VideoBackground || loopEnd > designed)
        loopStart = loopEnd = 0;
}

double SceneTiming::position(int frame) const
{
    if (asDesigned() || frame < holdStart)
        return frame;
    if (frame < holdStart + holdPlayed)
        return holdStart + double(frame - holdStart) * holdDesigned / holdPlayed;
    return frame - holdPlayed + holdDesigned;
}

QVector<int> SceneTiming::backgroundFrames() const
{
    QVector<int> frames;
    frames.reserve(played);
    const int loop = loopEnd - loopStart;
    if (loop <= 0 || played <= designed) {
        for (int i = 0; i < played; ++i)
            frames << qBound(0, int(std::lround(position(i))), qMax(0, designed - 1));
        return frames;
    }
    // The video to its loop's end, around the loop as many whole times as fit, then on to its
    // own end; the frames left over are shown twice each, spread evenly, as a time map would.
    const int rounds = (played - designed) / loop;
    QVector<int> around;
    around.reserve(designed + rounds * loop);
    for (int i = 0; i < loopEnd; ++i)
        around << i;
    for (int r = 0; r < rounds; ++r)
        for (int i = loopStart; i < loopEnd; ++i)
            around << i;
    for (int i = loopEnd; i < designed; ++i)
        around << i;
    const double scale = played > 1 ? double(around.size() - 1) / (played - 1) : 0.0;
    for (int i = 0; i < played; ++i)
        frames << around[int(std::floor(i * scale + 1e-9))];
    return frames;
}
