#include "scene/PerspectiveDraw.h"

#include "scene/PerspectiveSpan.h"

#include <QPointF>

#include <algorithm>
#include <array>
#include <cmath>

namespace {

using Quad = std::array<QPointF, 4>;

// AVX2 where the processor has it. For measuring, LUMAVIVE_PERSPECTIVE=sse2 keeps to SSE2 and
// LUMAVIVE_PERSPECTIVE=qt leaves every perspective draw to Qt (no function).
PerspectiveSpanFunction spanFunction()
{
    static const PerspectiveSpanFunction chosen = [] {
        const QByteArray choice = qgetenv("LUMAVIVE_PERSPECTIVE");
        if (choice == "qt")
            return PerspectiveSpanFunction(nullptr);
        return __builtin_cpu_supports("avx2") && choice != "sse2" ? perspectiveSpanAvx2
                                                                  : perspectiveSpanSse2;
    }();
    return chosen;
}

double cross(const QPointF& a, const QPointF& b, const QPointF& c)
{
    return (b.x() - a.x()) * (c.y() - a.y()) - (b.y() - a.y()) * (c.x() - a.x());
}

// Clockwise on screen (y down) after this, so "inside" is cross() >= 0 for every edge; false when
// the corners do not make a strictly convex quadrilateral.
bool makeConvexClockwise(Quad* q)
{
    int positive = 0;
    int negative = 0;
    for (int i = 0; i < 4; ++i) {
        const double c = cross((*q)[i], (*q)[(i + 1) % 4], (*q)[(i + 2) % 4]);
        positive += c > 1e-9;
        negative += c < -1e-9;
    }
    if (negative == 4)
        std::reverse(q->begin(), q->end());
    return positive == 4 || negative == 4;
}

// Where the horizontal line at `y` enters and leaves the quadrilateral (`hits` false if it misses
// it).
struct Crossing
{
    bool hits = false;
    double left = INFINITY;
    double right = -INFINITY;
};

Crossing crossing(const Quad& q, double y)
{
    Crossing c;
    for (int i = 0; i < 4; ++i) {
        const QPointF& a = q[i];
        const QPointF& b = q[(i + 1) % 4];
        if (y < std::min(a.y(), b.y()) || y > std::max(a.y(), b.y()))
            continue;
        const double x = a.y() == b.y() ? std::min(a.x(), b.x())
                                        : a.x() + (y - a.y()) * (b.x() - a.x()) / (b.y() - a.y());
        const double x2 = a.y() == b.y() ? std::max(a.x(), b.x()) : x;
        c.left = std::min(c.left, x);
        c.right = std::max(c.right, x2);
    }
    c.hits = c.left <= c.right;
    return c;
}

// The area of `polygon` (n corners, at most 8) cut by the half-plane left of a -> b (inside for a
// clockwise quadrilateral), into `out`; returns the corners out.
int clip(const QPointF* polygon, int n, const QPointF& a, const QPointF& b, QPointF* out)
{
    int m = 0;
    for (int i = 0; i < n; ++i) {
        const QPointF& p = polygon[i];
        const QPointF& next = polygon[(i + 1) % n];
        const double dp = cross(a, b, p);
        const double dn = cross(a, b, next);
        if (dp >= 0)
            out[m++] = p;
        if ((dp >= 0) != (dn >= 0))
            out[m++] = p + (next - p) * (dp / (dp - dn));
    }
    return m;
}

// The share of pixel (x, y) the quadrilateral covers, 0..255 as Qt's antialiasing rasterizer
// gives it (the covered area in 256ths, full cover 255).
int coverage(const Quad& q, int x, int y)
{
    std::array<QPointF, 8> a{QPointF(x, y), QPointF(x + 1, y), QPointF(x + 1, y + 1),
                             QPointF(x, y + 1)};
    std::array<QPointF, 8> b;
    int n = 4;
    for (int i = 0; i < 4 && n > 0; ++i) {
        n = clip(a.data(), n, q[i], q[(i + 1) % 4], b.data());
        std::swap(a, b);
    }
    double twice = 0;
    for (int i = 0; i < n; ++i)
        twice += a[i].x() * a[(i + 1) % n].y() - a[(i + 1) % n].x() * a[i].y();
    return std::min(255, int(std::abs(twice) * 128.0));
}

// Qt's bilinear fetch for one target pixel, in double as Qt computes it.
std::uint32_t sample(const QImage& picture, const QTransform& inverse, int x, int y)
{
    const double cx = x + 0.5;
    const double cy = y + 0.5;
    const double fw = inverse.m13() * cx + inverse.m23() * cy + inverse.m33();
    const double iw = fw == 0 ? 1 : 1 / fw;
    const double px = (inverse.m11() * cx + inverse.m21() * cy + inverse.dx()) * iw - 0.5;
    const double py = (inverse.m12() * cx + inverse.m22() * cy + inverse.dy()) * iw - 0.5;
    const double fx = std::floor(px);
    const double fy = std::floor(py);
    const int distX = int((px - fx) * 256);
    const int distY = int((py - fy) * 256);
    // Outside the picture the nearest edge pixel repeats (and a NaN takes the first).
    const auto bound = [](double v, int last) {
        return v > 0 ? int(std::min(v, double(last))) : 0;
    };
    const int x1 = bound(fx, picture.width() - 1);
    const int x2 = bound(fx + 1, picture.width() - 1);
    const auto* top = reinterpret_cast<const std::uint32_t*>(
        picture.constScanLine(bound(fy, picture.height() - 1)));
    const auto* bottom = reinterpret_cast<const std::uint32_t*>(
        picture.constScanLine(bound(fy + 1, picture.height() - 1)));
    std::uint32_t result = 0;
    for (int shift = 0; shift < 32; shift += 8) {
        const auto channel = [shift](std::uint32_t p) { return int((p >> shift) & 0xff); };
        const int upper = (channel(top[x1]) * (256 - distX) + channel(top[x2]) * distX) >> 8;
        const int lower = (channel(bottom[x1]) * (256 - distX) + channel(bottom[x2]) * distX) >> 8;
        result |= std::uint32_t((upper * (256 - distY) + lower * distY) >> 8) << shift;
    }
    return result;
}

int byteMul(int x, int a)
{
    const int t = x * a;
    return (t + (t >> 8) + 0x80) >> 8;
}

void blend(std::uint32_t* target, std::uint32_t source, int alpha)
{
    std::uint32_t result = 0;
    const int sourceAlpha = byteMul(int(source >> 24), alpha);
    for (int shift = 0; shift < 32; shift += 8) {
        const int s = byteMul(int((source >> shift) & 0xff), alpha);
        const int d = int((*target >> shift) & 0xff);
        result |= std::uint32_t(std::min(255, s + byteMul(d, 255 - sourceAlpha))) << shift;
    }
    *target = result;
}

} // namespace

const char* perspectiveDrawKind()
{
    const PerspectiveSpanFunction inner = spanFunction();
    return inner == perspectiveSpanAvx2 ? "avx2" : inner ? "sse2" : "qt";
}

bool drawPerspective(QImage* target, const QImage& picture, const QTransform& transform,
                     qreal opacity)
{
    const PerspectiveSpanFunction inner = spanFunction();
    const QImage::Format format = target->format();
    if (!inner ||
        (format != QImage::Format_RGB32 && format != QImage::Format_ARGB32_Premultiplied) ||
        picture.format() != QImage::Format_ARGB32_Premultiplied || picture.isNull() ||
        qint64(picture.bytesPerLine() / 4) * picture.height() >= (1 << 24))
        return false;
    bool invertible = false;
    const QTransform inverse = transform.inverted(&invertible);
    if (!invertible)
        return false;

    // The corners as Qt's rasterizer sees them: on a 1/64 pixel grid.
    const double w = picture.width();
    const double h = picture.height();
    Quad q{transform.map(QPointF(0, 0)), transform.map(QPointF(w, 0)), transform.map(QPointF(w, h)),
           transform.map(QPointF(0, h))};
    for (QPointF& p : q) {
        if (!std::isfinite(p.x()) || !std::isfinite(p.y()) || std::abs(p.x()) > 1e6 ||
            std::abs(p.y()) > 1e6)
            return false;
        // Behind the eye: the corners' homogeneous weight must stay positive across the quad.
        p = QPointF(std::round(p.x() * 64) / 64, std::round(p.y() * 64) / 64);
        const double weight = inverse.m13() * p.x() + inverse.m23() * p.y() + inverse.m33();
        if (!(weight > 0))
            return false;
    }
    if (!makeConvexClockwise(&q))
        return false;

    // Scaled so that the homogeneous weight is about 1 inside the quad: the single-precision
    // steps of the inner loop then work on numbers of the picture's own size.
    const QPointF centre = (q[0] + q[1] + q[2] + q[3]) / 4;
    const double norm =
        1 / (inverse.m13() * centre.x() + inverse.m23() * centre.y() + inverse.m33());
    PerspectiveSpan span;
    span.picture = reinterpret_cast<const std::uint32_t*>(picture.constBits());
    span.stride = picture.bytesPerLine() / 4;
    span.width = picture.width();
    span.height = picture.height();
    span.m11 = inverse.m11() * norm;
    span.m12 = inverse.m12() * norm;
    span.m13 = inverse.m13() * norm;
    span.m21 = inverse.m21() * norm;
    span.m22 = inverse.m22() * norm;
    span.m23 = inverse.m23() * norm;
    span.dx = inverse.dx() * norm;
    span.dy = inverse.dy() * norm;
    span.m33 = inverse.m33() * norm;
    // QPainter's opacity as its raster engine keeps it (in 256ths), times a pixel's coverage.
    const int opacity256 = qRound(qBound(0.0, opacity, 1.0) * 256);
    const auto alphaFor = [opacity256](int cover) { return (cover * opacity256) >> 8; };

    double top = INFINITY;
    double bottom = -INFINITY;
    for (const QPointF& p : q) {
        top = std::min(top, p.y());
        bottom = std::max(bottom, p.y());
    }
    const int width = target->width();
    const int firstRow = std::max(0, int(std::floor(top)));
    const int endRow = std::min(target->height(), int(std::ceil(bottom)));
    // Each band line is crossed once: a row's bottom line is the next row's top line.
    Crossing below = crossing(q, firstRow);
    for (int y = firstRow; y < endRow; ++y) {
        auto* row = reinterpret_cast<std::uint32_t*>(target->scanLine(y));
        const Crossing above = below;
        below = crossing(q, y + 1);
        // The band [y, y + 1] meets the quad between its lowest and highest x: at a crossing of
        // the band's top or bottom line, or at a corner inside the band.
        double lowest = std::min(above.left, below.left);
        double highest = std::max(above.right, below.right);
        for (const QPointF& p : q) {
            if (p.y() >= y && p.y() <= y + 1) {
                lowest = std::min(lowest, p.x());
                highest = std::max(highest, p.x());
            }
        }
        if (!(lowest < highest))
            continue;
        const int first = std::max(0, int(std::floor(lowest)));
        const int end = std::min(width, int(std::ceil(highest)));
        // Pixels wholly inside: both band lines cross the quad around them (the quad is convex).
        int fullFirst = end;
        int fullEnd = end;
        if (above.hits && below.hits) {
            fullFirst = std::clamp(int(std::ceil(std::max(above.left, below.left))), first, end);
            fullEnd =
                std::clamp(int(std::floor(std::min(above.right, below.right))), fullFirst, end);
        }
        const auto edge = [&](int from, int to) {
            for (int x = from; x < to; ++x) {
                const int alpha = alphaFor(coverage(q, x, y));
                if (alpha > 0)
                    blend(row + x, sample(picture, inverse, x, y), alpha);
            }
        };
        edge(first, fullFirst);
        if (fullEnd > fullFirst)
            inner(span, row, y, fullFirst, fullEnd, alphaFor(255));
        edge(fullEnd, end);
    }
    return true;
}
