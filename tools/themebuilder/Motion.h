#pragma once

#include "templates/Keyframe.h"

#include <QList>
#include <QPointF>

#include <functional>

// How a slot stands on one frame, in pixels of a 1920x1080 frame: a rectangle around `centre`,
// scaled, turned and tilted (perspective), with an opacity.
struct Pose
{
    QPointF centre{960, 540};
    double width = 800;
    double height = 600;
    double scale = 1.0;
    double rotation = 0.0; // degrees, clockwise
    double tilt = 0.0;     // -1..1: the right (positive) or left edge recedes
    double opacity = 1.0;

    Keyframe keyframe() const;
    static Pose mix(const Pose& a, const Pose& b, double t);
};

using Easing = std::function<double(double)>;

namespace Ease {
double linear(double t);
double inOutCubic(double t);
double outCubic(double t);
double outBack(double t);
double inCubic(double t);
} // namespace Ease

// A slot's motion: poses joined by eased segments, visible from `enter` to `exit` (frames,
// inclusive). Frames outside get no keyframe: the object is absent there.
class Motion
{
public:
    Motion(int enter, int exit, const Pose& start);
    // Moves to `pose` over frames [from, to].
    Motion& to(int from, int to, const Pose& pose, Easing easing = Ease::inOutCubic);
    // Fades opacity in over the first `in` and out over the last `out` visible frames.
    Motion& fade(int in, int out);

    bool visible(int frame) const { return frame >= enter && frame <= exit; }
    Pose at(int frame) const;
    int first() const { return enter; }
    int last() const { return exit; }

private:
    struct Segment
    {
        int from;
        int to;
        Pose target;
        Easing easing;
    };
    int enter;
    int exit;
    Pose start;
    QList<Segment> segments;
    int fadeIn = 0;
    int fadeOut = 0;
};
