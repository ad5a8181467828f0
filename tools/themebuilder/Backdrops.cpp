#include "Backdrops.h"

#include "Noise.h"
#include "Paint.h"

#include <QPainter>
#include <QPainterPath>
#include <QRadialGradient>

#include <cmath>
#include <cstdint>

using namespace Paint;

namespace Backdrops {

BackdropPainter antialiased(std::function<void(QPainter& p, int index, int w, int h)> draw)
{
    return [draw = std::move(draw)](int index, int, int w, int h) {
        QImage image = canvas(w, h);
        QPainter p(&image);
        p.setRenderHint(QPainter::Antialiasing);
        draw(p, index, w, h);
        return image;
    };
}

BackdropPainter goldenHour()
{
    return antialiased([](QPainter& p, int index, int w, int h) {
        const double t = index / 30.0;
        // The sky stands still: a background that changes everywhere every frame costs every
        // render's encoder dearly. The light moves in it.
        QLinearGradient sky(0, 0, w * 0.85, h);
        sky.setColorAt(0, QColor::fromHsvF(0.07, 0.55, 0.98));
        sky.setColorAt(0.55, QColor::fromHsvF(0.03, 0.65, 0.80));
        sky.setColorAt(1, QColor::fromHsvF(0.93, 0.55, 0.35));
        p.fillRect(QRect(0, 0, w, h), sky);
        // A light leak: a warm wash drifting slowly across the upper part.
        const double x = w * (0.25 + 0.5 * (0.5 + 0.5 * std::sin(t * 0.3)));
        QRadialGradient leak(QPointF(x, h * 0.25), w * 0.3);
        leak.setColorAt(0, QColor(255, 220, 160, 110));
        leak.setColorAt(1, QColor(255, 180, 120, 0));
        p.fillRect(QRectF(x - w * 0.3, h * 0.25 - w * 0.3, w * 0.6, w * 0.6), leak);
        bokeh(p, 20, 7, t, w, h, {QColor(255, 236, 200), QColor(255, 200, 150)}, 1.0);
        vignette(p, w, h, 0.35);
    });
}

BackdropPainter nightBokeh()
{
    return antialiased([](QPainter& p, int index, int w, int h) {
        const double t = index / 30.0;
        QLinearGradient night(0, 0, 0, h);
        night.setColorAt(0, QColor(8, 14, 40));
        night.setColorAt(1, QColor(28, 12, 52));
        p.fillRect(QRect(0, 0, w, h), night);
        bokeh(p, 40, 11, t, w, h,
              {QColor(90, 160, 255), QColor(255, 110, 200), QColor(255, 210, 120),
               QColor(120, 255, 220)},
              -0.8);
        vignette(p, w, h, 0.5);
    });
}

BackdropPainter filmGrain()
{
    return [](int index, int, int w, int h) {
        QImage image = canvas(w, h);
        QPainter p(&image);
        // Grain and flicker change every third frame: ten times a second still reads as film,
        // and new specks on every frame would cost every render's encoder dearly.
        const int still = index / 3;
        const double flicker = 0.97 + 0.03 * std::sin(still * 1.7) * std::sin(still * 0.37);
        QRadialGradient base(QPointF(w / 2.0, h / 2.0), w * 0.7);
        base.setColorAt(0, QColor::fromRgbF(0.22 * flicker, 0.20 * flicker, 0.18 * flicker));
        base.setColorAt(1, QColor(12, 11, 10));
        p.fillRect(image.rect(), base);
        Noise n(1000 + uint32_t(still));
        // Grain: sparse, faint light and dark specks.
        const int specks = 400 * w / 1920;
        for (int i = 0; i < specks; ++i) {
            const int x = int(n.next() * w);
            const int y = int(n.next() * h);
            const int v = n.next() > 0.5 ? 255 : 0;
            p.fillRect(x, y, 2, 2, QColor(v, v, v, 16));
        }
        // Scratches and a passing streak of light.
        Noise s(77 + uint32_t(index / 6));
        for (int i = 0; i < 2; ++i)
            p.fillRect(int(s.next() * w), 0, 1, h, QColor(255, 255, 255, 28));
        QLinearGradient streak(w * (std::fmod(index / 90.0, 1.4) - 0.2), 0,
                               w * (std::fmod(index / 90.0, 1.4) - 0.05), 0);
        streak.setColorAt(0, QColor(255, 200, 140, 0));
        streak.setColorAt(0.5, QColor(255, 200, 140, 40));
        streak.setColorAt(1, QColor(255, 200, 140, 0));
        p.fillRect(image.rect(), streak);
        vignette(p, w, h, 0.6);
        return image;
    };
}

BackdropPainter paper(QColor baseColour, QColor fibre)
{
    return [baseColour, fibre](int index, int, int w, int h) {
        QImage image = canvas(w, h);
        QPainter p(&image);
        p.setRenderHint(QPainter::Antialiasing);
        p.fillRect(image.rect(), baseColour);
        fibres(p, w, h, fibre, 9000);
        // Window light: a warm patch wandering slowly over the page.
        const double t = index / 30.0;
        QRadialGradient light(QPointF(w * (0.35 + 0.2 * std::sin(t * 0.25)), h * 0.35), w * 0.5);
        light.setColorAt(0, QColor(255, 246, 220, 70));
        light.setColorAt(1, QColor(255, 246, 220, 0));
        p.fillRect(image.rect(), light);
        vignette(p, w, h, 0.18);
        return image;
    };
}

BackdropPainter oceanBreeze()
{
    return antialiased([](QPainter& p, int index, int w, int h) {
        QLinearGradient sea(0, 0, w * 0.3, h);
        sea.setColorAt(0, QColor(18, 110, 130));
        sea.setColorAt(0.6, QColor(90, 180, 180));
        sea.setColorAt(1, QColor(236, 214, 170));
        p.fillRect(QRect(0, 0, w, h), sea);
        const double t = index / 30.0;
        for (int line = 0; line < 14; ++line) {
            QPainterPath wave;
            const double y0 = h * (0.1 + line * 0.065);
            const double roll = t * (0.5 + 0.05 * line);
            wave.moveTo(0, y0);
            for (int x = 0; x <= w; x += 20)
                wave.lineTo(x,
                            y0 + std::sin(x * 1920.0 / w / 140.0 + line * 0.9 + roll) * h * 0.012);
            p.setPen(QPen(QColor(255, 255, 255, 26 + line * 2), 2.0 * h / 1080));
            p.drawPath(wave);
        }
        vignette(p, w, h, 0.2);
    });
}

BackdropPainter gallery(QColor wall, QColor lines, QColor mat, QColor edge)
{
    return antialiased([=](QPainter& p, int index, int w, int h) {
        p.fillRect(QRect(0, 0, w, h), wall);
        p.setPen(QPen(lines, 1.5 * h / 1080));
        for (int i = -8; i < 20; ++i)
            p.drawLine(QPointF(i * w / 12.0, h), QPointF(i * w / 12.0 + h * 0.6, 0));
        p.fillRect(QRectF(w * 0.06, h * 0.08, w * 0.88, h * 0.84), mat);
        p.setPen(QPen(edge, 2.0 * h / 1080));
        p.drawRect(QRectF(w * 0.06, h * 0.08, w * 0.88, h * 0.84));
        // A soft band of light crossing the wall once every twelve seconds.
        const double x = w * (std::fmod(index / 360.0, 1.0) * 1.6 - 0.3);
        QLinearGradient band(x - w * 0.25, 0, x + w * 0.25, h * 0.3);
        band.setColorAt(0, QColor(255, 255, 255, 0));
        band.setColorAt(0.5, QColor(255, 255, 255, wall.lightness() > 128 ? 40 : 18));
        band.setColorAt(1, QColor(255, 255, 255, 0));
        p.fillRect(QRect(0, 0, w, h), band);
    });
}

} // namespace Backdrops
