#include "Layouts.h"

#include <QLinearGradient>
#include <QPainter>

namespace Layouts {

Pose pose(double x, double y, double w, double h, double rotation, double scale, double tilt,
          double opacity)
{
    Pose p;
    p.centre = QPointF(x, y);
    p.width = w;
    p.height = h;
    p.rotation = rotation;
    p.scale = scale;
    p.tilt = tilt;
    p.opacity = opacity;
    return p;
}

std::function<QImage()> swatch(QColor from, QColor to)
{
    return [from, to] {
        QImage image(300, 300, QImage::Format_RGB32);
        QPainter p(&image);
        QLinearGradient g(0, 0, 300, 300);
        g.setColorAt(0, from);
        g.setColorAt(1, to);
        p.fillRect(image.rect(), g);
        return image;
    };
}

namespace {

// Where a slot rests at the scene's end: a little larger, a few pixels on. Linear, so that a hold
// played slower still moves evenly.
Pose drifted(const Pose& rest, double drift)
{
    Pose end = rest;
    end.scale = rest.scale * (1 + drift);
    end.centre += QPointF(rest.centre.x() < 960 ? 6 : -6, -4);
    return end;
}

SlotRecipe framed(const LayoutStyle& style, Motion motion, float aspect)
{
    SlotRecipe s{std::move(motion)};
    s.aspect = aspect;
    s.borderWidth = style.border;
    s.borderColor = style.borderColor;
    s.shadow = style.shadow;
    return s;
}

SceneRecipe photoScene(int id, const Backdrop& background, const LayoutStyle& style,
                       const QList<QPair<Pose, float>>& places)
{
    SceneRecipe scene{id, 1, style.frames, background, {}};
    for (int i = 0; i < places.size(); ++i)
        scene.objects << slot(style, places[i].first, places[i].second, i);
    return scene;
}

} // namespace

SlotRecipe slot(const LayoutStyle& style, Pose rest, float aspect, int order)
{
    const int enter = order * style.stagger;
    const int settled = enter + style.arrival;
    const int last = style.frames - 1;
    const bool left = rest.centre.x() < 960;
    // The first photo drifts; the others rest, once they have arrived. One moving photo keeps
    // a scene alive, and a photo at rest costs a render almost nothing: it is drawn once, and
    // the encoder finds it unchanged. The drifting one stands straight: a turned picture drawn
    // anew every frame costs a render about half again as much as a straight one.
    const bool drifting = order == 0;
    if (drifting)
        rest.rotation = 0;
    Pose from = rest;
    switch (style.entrance) {
    case LayoutStyle::Slide:
        from.centre.rx() += left ? -1400 : 1400;
        from.rotation += left ? -6 : 6;
        break;
    case LayoutStyle::Drop:
        from.centre.ry() = -rest.height * 0.55 - 40;
        from.rotation += 8;
        from.scale = 1.1;
        break;
    case LayoutStyle::Rise:
        from.centre.ry() += 220;
        from.opacity = 0;
        break;
    case LayoutStyle::Grow:
        from.scale = 0.9;
        from.opacity = 0;
        break;
    case LayoutStyle::Turn:
        from.tilt = left ? 0.7 : -0.7;
        from.scale = 0.92;
        from.opacity = 0;
        break;
    }
    Motion motion = Motion(enter, last, from).to(enter, settled, rest, style.arrive);
    if (drifting)
        motion.to(settled, last, drifted(rest, style.drift), Ease::linear);
    return framed(style, motion, aspect);
}

SceneRecipe single(int id, const Backdrop& background, const LayoutStyle& style,
                   const QString& panZoom)
{
    // Whole from the first frame, settling from a little larger: a saved project's cover shows
    // this scene's first frame.
    const int last = style.frames - 1;
    const int settled = style.arrival + 6;
    // Straight at rest, like every drifting photo (see `slot`); it settles from a slight turn.
    const Pose rest = pose(960, 545, 1240, 827);
    Pose from = rest;
    from.scale = 1.06;
    from.rotation = style.turn;
    SlotRecipe photo = framed(style,
                              Motion(0, last, from)
                                  .to(0, settled, rest, style.arrive)
                                  .to(settled, last, drifted(rest, style.drift), Ease::linear),
                              1.5f);
    photo.panZoom = panZoom;
    return SceneRecipe{id, 1, style.frames, background, {photo}};
}

SceneRecipe portrait(int id, const Backdrop& background, const LayoutStyle& style)
{
    return photoScene(id, background, style, {{pose(960, 540, 660, 880, style.turn / 2), 0.75f}});
}

SceneRecipe pair(int id, const Backdrop& background, const LayoutStyle& style)
{
    return photoScene(id, background, style,
                      {{pose(630, 540, 560, 747, -style.turn), 0.75f},
                       {pose(1330, 560, 840, 560, style.turn), 1.5f}});
}

SceneRecipe duo(int id, const Backdrop& background, const LayoutStyle& style)
{
    return photoScene(id, background, style,
                      {{pose(660, 400, 860, 573, -style.turn), 1.5f},
                       {pose(1260, 690, 860, 573, style.turn), 1.5f}});
}

SceneRecipe prints(int id, const Backdrop& background, const LayoutStyle& style)
{
    const double t = style.turn;
    return photoScene(id, background, style,
                      {{pose(560, 430, 500, 625, -3 * t), 0.8f},
                       {pose(1380, 430, 640, 481, 2.5 * t), 1.33f},
                       {pose(980, 760, 620, 413, -0.5 * t), 1.5f}});
}

SceneRecipe trio(int id, const Backdrop& background, const LayoutStyle& style)
{
    const double t = style.turn;
    return photoScene(id, background, style,
                      {{pose(480, 540, 440, 587, -t), 0.75f},
                       {pose(960, 530, 440, 587, t / 2), 0.75f},
                       {pose(1440, 550, 440, 587, -t / 2), 0.75f}});
}

SceneRecipe feature(int id, const Backdrop& background, const LayoutStyle& style)
{
    const double t = style.turn;
    return photoScene(id, background, style,
                      {{pose(680, 540, 1000, 667, -t / 2), 1.5f},
                       {pose(1490, 330, 580, 387, t), 1.5f},
                       {pose(1490, 760, 580, 387, -t), 1.5f}});
}

SceneRecipe grid(int id, const Backdrop& background, const LayoutStyle& style)
{
    QList<QPair<Pose, float>> places;
    const QList<QPointF> at = {{620, 330}, {1300, 330}, {620, 760}, {1300, 760}};
    for (int i = 0; i < at.size(); ++i)
        places << qMakePair(pose(at[i].x(), at[i].y(), 640, 400, i % 3 ? style.turn / 2 : 0), 1.6f);
    SceneRecipe scene = photoScene(id, background, style, places);
    // Each tile keeps to its corner of the page, so that the grid's gaps stay even.
    for (int i = 0; i < scene.objects.size(); ++i) {
        scene.objects[i].hPos = i % 2 == 0 ? 2 : 1;
        scene.objects[i].vPos = i < 2 ? 2 : 1;
    }
    return scene;
}

SceneRecipe title(int id, const Backdrop& background, const TitleStyle& style)
{
    const int last = style.frames - 1;
    const Pose rest = pose(960, 540, 1600, 900, style.turn);
    Pose from = rest;
    from.centre.ry() += 24;
    from.scale = 0.94;
    SlotRecipe text{Motion(0, last, from)
                        .to(0, 28, rest, Ease::outCubic)
                        .to(28, last, drifted(rest, 0.02), Ease::linear)};
    text.aspect = 16.0f / 9.0f;
    text.font = style.font;
    text.shadow = style.shadow;
    text.texture = style.texture;
    text.textureMaker = style.textureMaker;
    text.slideBackground = QStringLiteral("slide-bg.jpg");
    text.slideBackgroundMaker = swatch(style.from, style.to);
    return SceneRecipe{id, 2, style.frames, background, {text}};
}

} // namespace Layouts
