#include "Motion.h"

#include <QTransform>

#include <cmath>

namespace {
constexpr double kWidth = 1920.0;
constexpr double kHeight = 1080.0;

double mixValue(double a, double b, double t)
{
    return a + (b - a) * t;
}
} // namespace

double Ease::linear(double t)
{
    return t;
}

double Ease::inOutCubic(double t)
{
    return t < 0.5 ? 4 * t * t * t : 1 - std::pow(-2 * t + 2, 3) / 2;
}

double Ease::outCubic(double t)
{
    return 1 - std::pow(1 - t, 3);
}

double Ease::inCubic(double t)
{
    return t * t * t;
}

double Ease::outBack(double t)
{
    const double c1 = 1.2;
    const double c3 = c1 + 1;
    return 1 + c3 * std::pow(t - 1, 3) + c1 * std::pow(t - 1, 2);
}

Keyframe Pose::keyframe() const
{
    const double w = width * scale / 2;
    const double h = height * scale / 2;
    // A tilt shortens one vertical edge and narrows the rectangle a little: a card turning away.
    const double near = h * (1 + 0.12 * std::fabs(tilt));
    const double far = h * (1 - 0.18 * std::fabs(tilt));
    const double leftHalf = tilt > 0 ? near : far;
    const double rightHalf = tilt > 0 ? far : near;
    const double narrow = w * (1 - 0.08 * std::fabs(tilt));
    QTransform turn;
    turn.translate(centre.x(), centre.y());
    turn.rotate(rotation);
    const auto corner = [&](double x, double y) {
        const QPointF p = turn.map(QPointF(x, y));
        return QPointF(p.x() / kWidth, p.y() / kHeight);
    };
    Keyframe k;
    k.topLeft = corner(-narrow, -leftHalf);
    k.topRight = corner(narrow, -rightHalf);
    k.bottomRight = corner(narrow, rightHalf);
    k.bottomLeft = corner(-narrow, leftHalf);
    k.opacity = float(opacity);
    return k;
}

Pose Pose::mix(const Pose& a, const Pose& b, double t)
{
    Pose p;
    p.centre =
        QPointF(mixValue(a.centre.x(), b.centre.x(), t), mixValue(a.centre.y(), b.centre.y(), t));
    p.width = mixValue(a.width, b.width, t);
    p.height = mixValue(a.height, b.height, t);
    p.scale = mixValue(a.scale, b.scale, t);
    p.rotation = mixValue(a.rotation, b.rotation, t);
    p.tilt = mixValue(a.tilt, b.tilt, t);
    p.opacity = mixValue(a.opacity, b.opacity, t);
    return p;
}

Motion::Motion(int enter, int exit, const Pose& start) : enter(enter), exit(exit), start(start) {}

Motion& Motion::to(int from, int to, const Pose& pose, Easing easing)
{
    segments.append({from, to, pose, std::move(easing)});
    return *this;
}

Motion& Motion::fade(int in, int out)
{
    fadeIn = in;
    fadeOut = out;
    return *this;
}

Pose Motion::at(int frame) const
{
    Pose pose = start;
    for (const Segment& s : segments) {
        if (frame <= s.from)
            break;
        const double t = frame >= s.to ? 1.0 : double(frame - s.from) / double(s.to - s.from);
        pose = Pose::mix(pose, s.target, s.easing(t));
        if (frame < s.to)
            break;
    }
    double opacity = pose.opacity;
    if (fadeIn > 0 && frame - enter < fadeIn)
        opacity *= double(frame - enter + 1) / (fadeIn + 1);
    if (fadeOut > 0 && exit - frame < fadeOut)
        opacity *= double(exit - frame + 1) / (fadeOut + 1);
    pose.opacity = opacity;
    return pose;
}
