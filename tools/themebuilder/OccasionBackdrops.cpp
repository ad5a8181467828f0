// The backgrounds of the occasion themes: a wedding, travel, a children's party, a memorial and a
// sports season.
#include "Backdrops.h"

#include "Noise.h"
#include "Paint.h"

#include <QPainter>
#include <QPainterPath>
#include <QRadialGradient>

#include <cmath>

using namespace Paint;

namespace {

constexpr double kTurn = 6.283185307;

// A postage stamp: perforated white paper around a small painted landscape.
void stamp(QPainter& p, QPointF centre, double size, double rotation, QColor sky, QColor land)
{
    p.save();
    p.translate(centre);
    p.rotate(rotation);
    const QRectF paper(-size / 2, -size * 0.6, size, size * 1.2);
    p.setPen(Qt::NoPen);
    p.setBrush(QColor(250, 247, 240));
    p.drawRect(paper);
    // Perforations: the wall colour bitten out of every edge.
    p.setBrush(QColor(222, 208, 180));
    const double step = size / 8;
    for (double x = paper.left(); x <= paper.right() + 0.1; x += step) {
        p.drawEllipse(QPointF(x, paper.top()), step * 0.28, step * 0.28);
        p.drawEllipse(QPointF(x, paper.bottom()), step * 0.28, step * 0.28);
    }
    for (double y = paper.top(); y <= paper.bottom() + 0.1; y += step) {
        p.drawEllipse(QPointF(paper.left(), y), step * 0.28, step * 0.28);
        p.drawEllipse(QPointF(paper.right(), y), step * 0.28, step * 0.28);
    }
    const QRectF picture = paper.adjusted(size * 0.12, size * 0.12, -size * 0.12, -size * 0.12);
    p.fillRect(picture, sky);
    QPainterPath hill;
    hill.moveTo(picture.bottomLeft());
    hill.lineTo(picture.left(), picture.center().y() + size * 0.1);
    hill.lineTo(picture.center().x(), picture.center().y() - size * 0.12);
    hill.lineTo(picture.right(), picture.center().y() + size * 0.15);
    hill.lineTo(picture.bottomRight());
    p.setBrush(land);
    p.drawPath(hill);
    p.restore();
}

// A postmark: two rings and wavy cancellation lines.
void postmark(QPainter& p, QPointF centre, double radius, QColor ink)
{
    p.setBrush(Qt::NoBrush);
    p.setPen(QPen(ink, radius * 0.05));
    p.drawEllipse(centre, radius, radius);
    p.drawEllipse(centre, radius * 0.72, radius * 0.72);
    for (int line = 0; line < 4; ++line) {
        QPainterPath wave;
        const double y = centre.y() - radius * 0.45 + line * radius * 0.3;
        wave.moveTo(centre.x() + radius * 1.1, y);
        for (double x = 0; x <= radius * 3; x += radius / 8)
            wave.lineTo(centre.x() + radius * 1.1 + x,
                        y + std::sin(x / radius * 6) * radius * 0.08);
        p.drawPath(wave);
    }
}

} // namespace

namespace Backdrops {

BackdropPainter weddingLight()
{
    return antialiased([](QPainter& p, int index, int w, int h) {
        const double t = index / 30.0;
        QLinearGradient base(0, 0, w, h);
        base.setColorAt(0, QColor(253, 247, 238));
        base.setColorAt(0.6, QColor(246, 226, 220));
        base.setColorAt(1, QColor(226, 196, 190));
        p.fillRect(QRect(0, 0, w, h), base);
        // Rays of soft light from the top left. They stand still: light moving over the whole
        // picture would cost every render's decoder and encoder; the bokeh moves in them.
        for (int i = 0; i < 4; ++i) {
            const double angle = 0.35 + i * 0.16;
            QPainterPath ray;
            ray.moveTo(-w * 0.05, -h * 0.1);
            ray.lineTo(w * 1.2 * std::cos(angle - 0.04), h * 1.6 * std::sin(angle - 0.04));
            ray.lineTo(w * 1.2 * std::cos(angle + 0.04), h * 1.6 * std::sin(angle + 0.04));
            ray.closeSubpath();
            p.fillPath(ray, QColor(255, 255, 255, 34));
        }
        bokeh(p, 22, 19, t * 0.6, w, h,
              {QColor(255, 236, 190), QColor(255, 255, 255), QColor(250, 210, 200)}, 0.5);
    });
}

BackdropPainter travelMap()
{
    return antialiased([](QPainter& p, int index, int w, int h) {
        const double s = h / 1080.0;
        p.fillRect(QRect(0, 0, w, h), QColor(232, 220, 194));
        fibres(p, w, h, QColor(130, 100, 60), 6000);
        // The graticule of an old map.
        p.setPen(QPen(QColor(120, 100, 70, 60), 1.5 * s));
        p.setBrush(Qt::NoBrush);
        for (int i = 1; i < 8; ++i) {
            QPainterPath meridian;
            meridian.moveTo(w * i / 8.0, 0);
            meridian.quadTo(w * i / 8.0 + (i - 4) * 40 * s, h / 2.0, w * i / 8.0, h);
            p.drawPath(meridian);
        }
        for (int i = 1; i < 5; ++i)
            p.drawLine(QPointF(0, h * i / 5.0), QPointF(w, h * i / 5.0));
        // Routes whose dashes march on, a whole dash pattern every second.
        const QList<QList<QPointF>> routes = {
            {{0.05, 0.85}, {0.3, 0.55}, {0.55, 0.75}, {0.95, 0.2}},
            {{0.1, 0.1}, {0.4, 0.3}, {0.7, 0.15}, {0.98, 0.6}}};
        QPen dash(QColor(170, 60, 50, 170), 4 * s, Qt::CustomDashLine, Qt::RoundCap);
        dash.setDashPattern({4, 3});
        dash.setDashOffset(-7.0 * (index % 30) / 30.0);
        p.setPen(dash);
        for (const QList<QPointF>& route : routes) {
            QPainterPath path;
            path.moveTo(route[0].x() * w, route[0].y() * h);
            path.cubicTo(route[1].x() * w, route[1].y() * h, route[2].x() * w, route[2].y() * h,
                         route[3].x() * w, route[3].y() * h);
            p.drawPath(path);
        }
        stamp(p, {w * 0.9, h * 0.16}, 120 * s, 8, QColor(120, 180, 210), QColor(70, 130, 80));
        stamp(p, {w * 0.08, h * 0.8}, 110 * s, -10, QColor(240, 190, 120), QColor(160, 80, 60));
        stamp(p, {w * 0.93, h * 0.86}, 100 * s, -4, QColor(200, 170, 220), QColor(80, 70, 130));
        postmark(p, {w * 0.78, h * 0.1}, 60 * s, QColor(60, 50, 90, 110));
        postmark(p, {w * 0.12, h * 0.62}, 50 * s, QColor(60, 50, 90, 90));
        vignette(p, w, h, 0.25);
    });
}

BackdropPainter confetti()
{
    return antialiased([](QPainter& p, int index, int w, int h) {
        const double t = index / 30.0;
        const double s = h / 1080.0;
        QLinearGradient wall(0, 0, 0, h);
        wall.setColorAt(0, QColor(255, 244, 214));
        wall.setColorAt(1, QColor(255, 214, 226));
        p.fillRect(QRect(0, 0, w, h), wall);
        const QList<QColor> colours = {QColor(255, 80, 120), QColor(40, 180, 255),
                                       QColor(255, 196, 0),  QColor(80, 210, 120),
                                       QColor(170, 90, 240), QColor(255, 130, 40)};
        Noise n(31);
        p.setPen(Qt::NoPen);
        for (int i = 0; i < 70; ++i) {
            const double x0 = n.next() * w;
            const double y0 = n.next() * (h + 80 * s);
            const double fall = (90 + 140 * n.next()) * s;
            const double sway = n.next() * kTurn;
            const double spin = 1 + 3 * n.next();
            const double size = (22 + 20 * n.next()) * s;
            const QColor colour = colours[i % colours.size()];
            const double y = std::fmod(y0 + fall * t, h + 80 * s) - 40 * s;
            const double x = x0 + std::sin(t * 1.5 + sway) * 30 * s;
            p.save();
            p.translate(x, y);
            p.rotate(std::fmod(spin * t * 90 + sway * 57, 360));
            p.setBrush(colour);
            if (i % 3 == 0)
                p.drawEllipse(QPointF(0, 0), size * 0.45, size * 0.45);
            else
                // A piece of paper turning: its width swings as it spins.
                p.drawRect(QRectF(-size / 2, -size * 0.3 * std::fabs(std::cos(spin * t + sway)),
                                  size, size * 0.6 * std::fabs(std::cos(spin * t + sway)) + s));
            p.restore();
        }
    });
}

BackdropPainter candlelight()
{
    return antialiased([](QPainter& p, int index, int w, int h) {
        const double t = index / 30.0;
        QLinearGradient base(0, 0, 0, h);
        base.setColorAt(0, QColor(16, 18, 26));
        base.setColorAt(1, QColor(34, 30, 36));
        p.fillRect(QRect(0, 0, w, h), base);
        // A warm glow low in the frame, breathing once every six seconds.
        const double breath = 0.5 + 0.5 * std::sin(t * kTurn / 6);
        QRadialGradient glow(QPointF(w * 0.5, h * 1.05), w * (0.55 + 0.03 * breath));
        glow.setColorAt(0, QColor(255, 180, 100, int(70 + 25 * breath)));
        glow.setColorAt(1, QColor(255, 160, 90, 0));
        p.fillRect(QRect(0, 0, w, h), glow);
        // Faint motes rising slowly.
        Noise n(53);
        p.setPen(Qt::NoPen);
        for (int i = 0; i < 24; ++i) {
            const double x = n.next() * w;
            const double y0 = n.next() * h;
            const double rise = (12 + 18 * n.next()) * h / 1080.0;
            const double r = (2 + 5 * n.next()) * h / 1080.0;
            const double y = std::fmod(y0 - rise * t + 2 * h, double(h));
            QRadialGradient mote(QPointF(x, y), r * 3);
            mote.setColorAt(0, QColor(255, 220, 170, 60));
            mote.setColorAt(1, QColor(255, 220, 170, 0));
            p.setBrush(mote);
            p.drawEllipse(QPointF(x, y), r * 3, r * 3);
        }
        vignette(p, w, h, 0.55);
    });
}

BackdropPainter stadium()
{
    return antialiased([](QPainter& p, int index, int w, int h) {
        const double t = index / 30.0;
        QLinearGradient base(0, 0, w, h);
        base.setColorAt(0, QColor(10, 22, 60));
        base.setColorAt(1, QColor(4, 10, 30));
        p.fillRect(QRect(0, 0, w, h), base);
        // Bold bands sweeping from left to right, one band's width every second.
        const QList<QColor> bands = {QColor(255, 110, 20, 70), QColor(255, 255, 255, 22),
                                     QColor(0, 170, 255, 50)};
        const double period = w * 0.5;
        const double shift = std::fmod(t * period * 0.5, period);
        for (int i = -2; i < 5; ++i) {
            const double x = i * period + shift;
            QPainterPath band;
            band.moveTo(x, h);
            band.lineTo(x + w * 0.12, h);
            band.lineTo(x + w * 0.12 + h * 0.7, 0);
            band.lineTo(x + h * 0.7, 0);
            band.closeSubpath();
            p.fillPath(band, bands[(i + 6) % bands.size()]);
        }
        // Speed lines racing across.
        Noise n(71);
        for (int i = 0; i < 16; ++i) {
            const double y = n.next() * h;
            const double length = (0.1 + 0.2 * n.next()) * w;
            const double x = std::fmod(n.next() * w + t * w * (0.6 + 0.6 * n.next()), w + length);
            QLinearGradient streak(x - length, 0, x, 0);
            streak.setColorAt(0, QColor(255, 255, 255, 0));
            streak.setColorAt(1, QColor(255, 255, 255, 60));
            p.fillRect(QRectF(x - length, y, length, 3.0 * h / 1080), streak);
        }
        vignette(p, w, h, 0.45);
    });
}

} // namespace Backdrops
