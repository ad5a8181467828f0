#include "PixelCheck.h"
#include "scene/PerspectiveDraw.h"
#include "scene/PerspectiveSpan.h"

#include <QPainter>
#include <QRandomGenerator>
#include <QtTest>

#include <cmath>

namespace {

// A photo-like picture: gradients, fine stripes and noise at the level a camera photo scaled to
// its slot has (Qt's own sampling positions wander by a few hundredths of a pixel under strong
// minification, so harsher contrast between neighbours would measure Qt, not the draw), and
// optionally a transparent margin with a soft half-transparent band (a shadow) inside it.
QImage picture(int w, int h, bool margin)
{
    QImage image(w, h, QImage::Format_ARGB32_Premultiplied);
    QRandomGenerator random(7);
    for (int y = 0; y < h; ++y) {
        auto* line = reinterpret_cast<QRgb*>(image.scanLine(y));
        for (int x = 0; x < w; ++x) {
            const int noise = int(random.bounded(12));
            QRgb c = qRgb((x * 255 / w + noise) % 256, (y * 255 / h) ^ ((x / 3) % 2 ? 0x10 : 0),
                          int(120 + 100 * std::sin(x / 9.0 + y / 13.0)) + noise);
            const int edge = qMin(qMin(x, y), qMin(w - 1 - x, h - 1 - y));
            if (margin && edge < 6)
                c = 0;
            else if (margin && edge < 12)
                c = qPremultiply(qRgba(20, 20, 20, 60 + edge * 10));
            line[x] = c;
        }
    }
    return image;
}

QTransform onto(const QImage& image, const QPolygonF& quad)
{
    QTransform t;
    const QPolygonF source(QRectF(image.rect()));
    if (!QTransform::quadToQuad(source.mid(0, 4), quad, t))
        qFatal("no transform");
    return t;
}

QImage byQt(QImage target, const QImage& image, const QTransform& t, qreal opacity)
{
    QPainter painter(&target);
    painter.setOpacity(opacity);
    painter.setTransform(t);
    painter.setRenderHint(QPainter::Antialiasing);
    painter.setRenderHint(QPainter::SmoothPixmapTransform);
    painter.drawImage(0, 0, image);
    return target;
}

} // namespace

class TestPerspectiveDraw : public QObject
{
    Q_OBJECT

private slots:
    void matchesQtSmoothDrawing_data()
    {
        QTest::addColumn<QPolygonF>("quad");
        QTest::addColumn<QSize>("size");
        QTest::addColumn<bool>("margin");
        QTest::addColumn<qreal>("opacity");
        const QPolygonF tilted({{180, 90}, {760, 40}, {790, 560}, {150, 430}});
        const QPolygonF steep({{300, 60}, {520, 120}, {520, 420}, {300, 520}});
        QTest::newRow("tilted, photo to the edge") << tilted << QSize(700, 500) << false << 1.0;
        QTest::newRow("tilted, shadow margin") << tilted << QSize(700, 500) << true << 1.0;
        QTest::newRow("tilted, half opacity") << tilted << QSize(700, 500) << false << 0.45;
        QTest::newRow("steep, magnified") << steep << QSize(90, 120) << false << 1.0;
        QTest::newRow("steep, minified") << steep << QSize(480, 900) << true << 0.8;
        QTest::newRow("partly outside the frame")
            << QPolygonF({{-120, -80}, {700, -30}, {900, 650}, {-60, 700}}) << QSize(500, 400)
            << false << 1.0;
        QTest::newRow("counter-clockwise corners")
            << QPolygonF({{180, 90}, {150, 430}, {790, 560}, {760, 40}}) << QSize(300, 200) << false
            << 1.0;
        QTest::newRow("sliver") << QPolygonF({{100, 100}, {700, 103}, {700, 106}, {100, 101}})
                                << QSize(400, 300) << false << 1.0;
    }

    // The render may differ from Qt's drawing by two levels per channel, edges included.
    void matchesQtSmoothDrawing()
    {
        QFETCH(QPolygonF, quad);
        QFETCH(QSize, size);
        QFETCH(bool, margin);
        QFETCH(qreal, opacity);
        const QImage image = picture(size.width(), size.height(), margin);
        const QTransform t = onto(image, quad);
        QVERIFY(t.type() == QTransform::TxProject);
        const QImage frame = PixelCheck::patternFrame(0, 960, 600);
        const QImage expected = byQt(frame, image, t, opacity);
        QImage drawn = frame;
        QVERIFY(drawPerspective(&drawn, image, t, opacity));
        // Under strong perspective with minification Qt's own sampling positions drift by a few
        // hundredths of a pixel (a double-precision version of the same sampler lands on the
        // same pixels as this one), which shows as three levels on a handful of pixels.
        const PixelCheck::Difference d = PixelCheck::compare(drawn, expected);
        const QString where = QStringLiteral("%1 levels at %2,%3, %4 pixels above 2 (%5)")
                                  .arg(d.largest)
                                  .arg(d.where.x())
                                  .arg(d.where.y())
                                  .arg(d.aboveTwo)
                                  .arg(perspectiveDrawKind());
        QVERIFY2(d.largest <= 3 && d.aboveTwo * 10000 <= drawn.width() * drawn.height(),
                 qPrintable(where));
        QVERIFY(drawn != frame);
    }

    void leavesToQtWhatItIsNotMadeFor()
    {
        const QImage image = picture(200, 100, false);
        const QImage frame = PixelCheck::patternFrame(0, 400, 300);
        QImage target = frame;
        // A bow-tie: corners crossing over.
        const QPolygonF crossed({{50, 50}, {350, 250}, {350, 50}, {50, 250}});
        QTransform t;
        if (QTransform::quadToQuad(QPolygonF(QRectF(image.rect())).mid(0, 4), crossed, t))
            QVERIFY(!drawPerspective(&target, image, t, 1.0));
        const QTransform tilted =
            onto(image, QPolygonF({{50, 60}, {330, 40}, {350, 250}, {40, 200}}));
        QVERIFY(!drawPerspective(&target, image.convertToFormat(QImage::Format_RGB32), tilted, 1));
        QImage other = frame.convertToFormat(QImage::Format_RGB888);
        QVERIFY(!drawPerspective(&other, image, tilted, 1.0));
        QCOMPARE(target, frame);
    }

    // Both inner loops give the same pixels, so a render does not depend on the processor.
    void wideAndNarrowLoopsAgree()
    {
        if (!__builtin_cpu_supports("avx2"))
            QSKIP("this processor has no AVX2");
        const QImage image = picture(300, 200, true);
        const QTransform inverse =
            onto(image, QPolygonF({{40, 30}, {600, 10}, {620, 400}, {20, 300}})).inverted();
        PerspectiveSpan span;
        span.picture = reinterpret_cast<const std::uint32_t*>(image.constBits());
        span.stride = image.bytesPerLine() / 4;
        span.width = image.width();
        span.height = image.height();
        span.m11 = inverse.m11();
        span.m12 = inverse.m12();
        span.m13 = inverse.m13();
        span.m21 = inverse.m21();
        span.m22 = inverse.m22();
        span.m23 = inverse.m23();
        span.dx = inverse.dx();
        span.dy = inverse.dy();
        span.m33 = inverse.m33();
        for (int alpha : {255, 140}) {
            for (int y = 40; y < 300; y += 37) {
                std::vector<std::uint32_t> narrow(640, 0xff336699u);
                std::vector<std::uint32_t> wide = narrow;
                // From left of the picture to right of it (its edge pixels repeat there), with
                // odd ends so that both loops run their tails.
                perspectiveSpanSse2(span, narrow.data(), y, 3, 637 - y % 5, alpha);
                perspectiveSpanAvx2(span, wide.data(), y, 3, 637 - y % 5, alpha);
                QVERIFY(narrow == wide);
            }
        }
    }
};

QTEST_GUILESS_MAIN(TestPerspectiveDraw)
#include "tst_perspective_draw.moc"
