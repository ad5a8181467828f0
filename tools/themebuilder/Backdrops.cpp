#include "Backdrops.h"

#include <QPainter>
#include <QPainterPath>
#include <QRadialGradient>

#include <cmath>
#include <cstdint>

namespace {

// A small deterministic generator: the same numbers on every machine and run.
class Noise
{
public:
    explicit Noise(uint32_t seed) : state(seed ? seed : 1) {}
    double next()
    {
        state ^= state << 13;
        state ^= state >> 17;
        state ^= state << 5;
        return double(state) / 4294967296.0;
    }

private:
    uint32_t state;
};

void bokeh(QPainter& p, int count, uint32_t seed, double time, int w, int h,
           const QList<QColor>& colours, double drift)
{
    Noise n(seed);
    p.setPen(Qt::NoPen);
    for (int i = 0; i < count; ++i) {
        const double x0 = n.next() * w;
        const double y0 = n.next() * h;
        const double r = (0.02 + 0.07 * n.next()) * h;
        const double speed = 0.3 + n.next();
        const double phase = n.next() * 6.283;
        const double x = std::fmod(x0 + drift * speed * time * w * 0.05 + w, double(w));
        const double y = y0 + std::sin(time * 0.6 + phase) * h * 0.02;
        QColor c = colours[i % colours.size()];
        c.setAlphaF(0.10 + 0.25 * (0.5 + 0.5 * std::sin(time * 0.8 + phase)));
        QRadialGradient g(QPointF(x, y), r);
        g.setColorAt(0, c);
        c.setAlphaF(c.alphaF() * 0.6);
        g.setColorAt(0.8, c);
        c.setAlpha(0);
        g.setColorAt(1, c);
        p.setBrush(g);
        p.drawEllipse(QPointF(x, y), r, r);
    }
}

void vignette(QPainter& p, int w, int h, double strength)
{
    QRadialGradient g(QPointF(w / 2.0, h / 2.0), w * 0.75);
    g.setColorAt(0.55, QColor(0, 0, 0, 0));
    g.setColorAt(1.0, QColor(0, 0, 0, int(255 * strength)));
    p.fillRect(0, 0, w, h, g);
}

QImage canvas(int w, int h)
{
    QImage image(w, h, QImage::Format_RGB32);
    image.fill(Qt::black);
    return image;
}

} // namespace

namespace Backdrops {

BackdropPainter goldenHour()
{
    return [](int index, int, int w, int h) {
        QImage image = canvas(w, h);
        QPainter p(&image);
        p.setRenderHint(QPainter::Antialiasing);
        const double t = index / 30.0;
        QLinearGradient sky(0, 0, w * (0.8 + 0.1 * std::sin(t * 0.3)), h);
        sky.setColorAt(0, QColor::fromHsvF(0.07 + 0.01 * std::sin(t * 0.4), 0.55, 0.98));
        sky.setColorAt(0.55, QColor::fromHsvF(0.03, 0.65, 0.80));
        sky.setColorAt(1, QColor::fromHsvF(0.93, 0.55, 0.35));
        p.fillRect(image.rect(), sky);
        // Light leaks: warm washes sweeping slowly across.
        for (int i = 0; i < 2; ++i) {
            const double x = w * (0.2 + 0.6 * (0.5 + 0.5 * std::sin(t * 0.35 + i * 2.1)));
            QRadialGradient leak(QPointF(x, h * (0.2 + 0.5 * i)), w * 0.45);
            leak.setColorAt(0, QColor(255, 220, 160, 120));
            leak.setColorAt(1, QColor(255, 180, 120, 0));
            p.fillRect(image.rect(), leak);
        }
        bokeh(p, 26, 7, t, w, h, {QColor(255, 236, 200), QColor(255, 200, 150)}, 1.0);
        vignette(p, w, h, 0.35);
        return image;
    };
}

BackdropPainter nightBokeh()
{
    return [](int index, int, int w, int h) {
        QImage image = canvas(w, h);
        QPainter p(&image);
        p.setRenderHint(QPainter::Antialiasing);
        const double t = index / 30.0;
        QLinearGradient night(0, 0, 0, h);
        night.setColorAt(0, QColor(8, 14, 40));
        night.setColorAt(1, QColor(28, 12, 52));
        p.fillRect(image.rect(), night);
        bokeh(p, 40, 11, t, w, h,
              {QColor(90, 160, 255), QColor(255, 110, 200), QColor(255, 210, 120),
               QColor(120, 255, 220)},
              -0.8);
        vignette(p, w, h, 0.5);
        return image;
    };
}

BackdropPainter filmGrain()
{
    return [](int index, int, int w, int h) {
        QImage image = canvas(w, h);
        QPainter p(&image);
        const double flicker = 0.92 + 0.08 * std::sin(index * 1.7) * std::sin(index * 0.37);
        QRadialGradient base(QPointF(w / 2.0, h / 2.0), w * 0.7);
        base.setColorAt(0, QColor::fromRgbF(0.22 * flicker, 0.20 * flicker, 0.18 * flicker));
        base.setColorAt(1, QColor(12, 11, 10));
        p.fillRect(image.rect(), base);
        Noise n(1000 + uint32_t(index));
        // Grain: sparse light and dark specks, new every frame.
        for (int i = 0; i < 2600; ++i) {
            const int x = int(n.next() * w);
            const int y = int(n.next() * h);
            const int v = n.next() > 0.5 ? 255 : 0;
            p.fillRect(x, y, 2, 2, QColor(v, v, v, 22));
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
    return [baseColour, fibre](int, int, int w, int h) {
        QImage image = canvas(w, h);
        QPainter p(&image);
        p.setRenderHint(QPainter::Antialiasing);
        p.fillRect(image.rect(), baseColour);
        Noise n(4242);
        QColor speck = fibre;
        for (int i = 0; i < 9000; ++i) {
            speck.setAlpha(int(8 + 20 * n.next()));
            p.setPen(QPen(speck, 1));
            const double x = n.next() * w;
            const double y = n.next() * h;
            const double a = n.next() * 6.283;
            const double l = 3 + 14 * n.next();
            p.drawLine(QPointF(x, y), QPointF(x + std::cos(a) * l, y + std::sin(a) * l));
        }
        vignette(p, w, h, 0.18);
        return image;
    };
}

BackdropPainter oceanBreeze()
{
    return [](int, int, int w, int h) {
        QImage image = canvas(w, h);
        QPainter p(&image);
        p.setRenderHint(QPainter::Antialiasing);
        QLinearGradient sea(0, 0, w * 0.3, h);
        sea.setColorAt(0, QColor(18, 110, 130));
        sea.setColorAt(0.6, QColor(90, 180, 180));
        sea.setColorAt(1, QColor(236, 214, 170));
        p.fillRect(image.rect(), sea);
        for (int line = 0; line < 14; ++line) {
            QPainterPath wave;
            const double y0 = h * (0.1 + line * 0.065);
            wave.moveTo(0, y0);
            for (int x = 0; x <= w; x += 20)
                wave.lineTo(x, y0 + std::sin(x / 140.0 + line * 0.9) * h * 0.012);
            p.setPen(QPen(QColor(255, 255, 255, 26 + line * 2), 2));
            p.drawPath(wave);
        }
        vignette(p, w, h, 0.2);
        return image;
    };
}

BackdropPainter minimalWhite()
{
    return [](int, int, int w, int h) {
        QImage image = canvas(w, h);
        QPainter p(&image);
        p.setRenderHint(QPainter::Antialiasing);
        p.fillRect(image.rect(), QColor(246, 245, 242));
        p.setPen(QPen(QColor(200, 196, 190), 1.5));
        for (int i = -8; i < 20; ++i)
            p.drawLine(QPointF(i * w / 12.0, h), QPointF(i * w / 12.0 + h * 0.6, 0));
        p.fillRect(QRectF(w * 0.06, h * 0.08, w * 0.88, h * 0.84), QColor(250, 249, 247, 235));
        p.setPen(QPen(QColor(30, 30, 30, 60), 2));
        p.drawRect(QRectF(w * 0.06, h * 0.08, w * 0.88, h * 0.84));
        return image;
    };
}

} // namespace Backdrops
