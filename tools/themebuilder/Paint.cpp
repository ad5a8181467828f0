#include "Paint.h"

#include "Noise.h"

#include <QPainter>
#include <QRadialGradient>

#include <cmath>

namespace Paint {

QImage canvas(int width, int height)
{
    QImage image(width, height, QImage::Format_RGB32);
    image.fill(Qt::black);
    return image;
}

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

void fibres(QPainter& p, int w, int h, QColor fibre, int count)
{
    Noise n(4242);
    for (int i = 0; i < count; ++i) {
        fibre.setAlpha(int(8 + 20 * n.next()));
        p.setPen(QPen(fibre, 1));
        const double x = n.next() * w;
        const double y = n.next() * h;
        const double a = n.next() * 6.283;
        const double l = 3 + 14 * n.next();
        p.drawLine(QPointF(x, y), QPointF(x + std::cos(a) * l, y + std::sin(a) * l));
    }
}

} // namespace Paint
