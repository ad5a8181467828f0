#include "SceneSpans.h"

#include <QLineF>
#include <QPainter>
#include <QVector>

namespace {

// A hold shorter than this is not worth stretching; a loop needs room to blend its end.
constexpr int kShortestHold = 12;
constexpr int kBlendFrames = 15;
constexpr double kRestingPixels = 2.0;
// How much a resting corner's step may change from frame to frame: played four times slower,
// a twentieth of a pixel at most.
constexpr double kRestingChange = 0.15;

// The corners of a pose in pixels of a 1080p frame.
QVector<QPointF> corners(const Pose& pose)
{
    const Keyframe k = pose.keyframe();
    QVector<QPointF> points;
    for (const QPointF& p : {k.topLeft, k.topRight, k.bottomRight, k.bottomLeft})
        points << QPointF(p.x() * 1920, p.y() * 1080);
    return points;
}

// The longest step of a corner from `a` to `b`, and the largest change of a corner's step from
// the one before (`before` to `a`).
void cornerSteps(const Pose& before, const Pose& a, const Pose& b, double* step, double* change)
{
    const QVector<QPointF> p0 = corners(before);
    const QVector<QPointF> p1 = corners(a);
    const QVector<QPointF> p2 = corners(b);
    *step = 0;
    *change = 0;
    for (int i = 0; i < 4; ++i) {
        *step = qMax(*step, QLineF(p1[i], p2[i]).length());
        const QPointF bend = p2[i] - 2 * p1[i] + p0[i];
        *change = qMax(*change, qMax(qAbs(bend.x()), qAbs(bend.y())));
    }
}

// Whether every slot rests from frame `f` to the next.
bool resting(const SceneRecipe& scene, int f)
{
    for (const SlotRecipe& slot : scene.objects) {
        const bool here = slot.motion.visible(f);
        if (here != slot.motion.visible(f + 1))
            return false;
        if (!here)
            continue;
        const Pose a = slot.motion.at(f);
        const Pose b = slot.motion.at(f + 1);
        double step = 0;
        double change = 0;
        cornerSteps(slot.motion.at(qMax(slot.motion.first(), f - 1)), a, b, &step, &change);
        if (qAbs(a.opacity - b.opacity) > 0.005 || step > kRestingPixels || change > kRestingChange)
            return false;
    }
    return true;
}

} // namespace

SceneSpans::SceneSpans(const SceneRecipe& scene) : scene(scene)
{
    // The hold ends a frame before the scene does: played slower, its last frames still move
    // towards the scene's last keyframe instead of standing on it.
    int runStart = -1;
    for (int f = 0; f + 2 < scene.frames; ++f) {
        if (resting(scene, f)) {
            if (runStart < 0)
                runStart = f;
            if (f + 2 - runStart > holdEnd - holdStart) {
                holdStart = runStart;
                holdEnd = f + 2;
            }
        } else {
            runStart = -1;
        }
    }
    if (holdEnd - holdStart < kShortestHold)
        holdStart = holdEnd = 0;
    if (scene.background.video && scene.frames - 2 * (scene.frames / 8) >= 2 * kBlendFrames) {
        loopStart = qMax(1, scene.frames / 8);
        loopEnd = scene.frames - scene.frames / 8;
    }
}

QImage SceneSpans::backdrop(int index, int width, int height) const
{
    const BackdropPainter& paint = scene.background.paint;
    if (!loops())
        return paint(index, scene.frames, width, height);
    const int loop = loopEnd - loopStart;
    if (index >= loopEnd)
        return paint(index - loop, scene.frames, width, height);
    const int blendFrom = loopEnd - kBlendFrames;
    QImage frame = paint(index, scene.frames, width, height);
    if (index < blendFrom)
        return frame;
    // Towards the loop's end the frames of one loop earlier show through, until the last frame
    // is the one just before the loop's start.
    const double weight = double(index - blendFrom + 1) / kBlendFrames;
    QPainter painter(&frame);
    painter.setOpacity(weight);
    painter.drawImage(0, 0, paint(index - loop, scene.frames, width, height));
    return frame;
}
