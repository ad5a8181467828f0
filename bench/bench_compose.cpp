// Per-frame composition cost at 1080p: the one keyframe lookup, quad-to-quad transform and
// transformed draw per object, for typical slot shapes, with slots that move on every frame and
// with slots that hold still (drawn once, then laid over each frame).
#include "project/ImgSlide.h"
#include "scene/ObjectLayer.h"
#include "scene/PerspectiveDraw.h"
#include "scene/TextSceneReader.h"

#include <QElapsedTimer>
#include <QGuiApplication>
#include <QPainter>
#include <QTemporaryDir>
#include <QTextStream>
#include <QTransform>

#include <functional>

namespace {

constexpr int W = 1920;
constexpr int H = 1080;
constexpr int kFrames = 60;

Keyframe quad(QPointF a, QPointF b, QPointF c, QPointF d)
{
    Keyframe k;
    k.topLeft = a;
    k.topRight = b;
    k.bottomRight = c;
    k.bottomLeft = d;
    return k;
}

Keyframe rotated(QPointF centre, double w, double h, double degrees)
{
    QTransform t;
    t.translate(centre.x() * W, centre.y() * H).rotate(degrees);
    auto at = [&](double x, double y) {
        const QPointF p = t.map(QPointF(x, y));
        return QPointF(p.x() / W, p.y() / H);
    };
    return quad(at(-w / 2, -h / 2), at(w / 2, -h / 2), at(w / 2, h / 2), at(-w / 2, h / 2));
}

// A slot at `k` on every frame, or, `moving`, drifting right by a 2000th of the width a frame.
template <typename Object> QSharedPointer<Object> slot(const Keyframe& k, float aspect, bool moving)
{
    auto object = QSharedPointer<Object>::create();
    object->aspect = aspect;
    object->maxWidth = 0.6f;
    object->maxHeight = 0.6f;
    object->shadow = ShadowSpec{0.3f, 0.3f, 1.0f, QColor(0, 0, 0, 140)};
    for (int f = 0; f < kFrames; ++f) {
        Keyframe at = k;
        const QPointF step(moving ? f * 0.0005 : 0.0, 0.0);
        at.topLeft += step;
        at.topRight += step;
        at.bottomRight += step;
        at.bottomLeft += step;
        object->keyframes.insert(f, at);
    }
    return object;
}

double msPerFrame(const QList<QSharedPointer<ObjectLayer>>& layers)
{
    QImage frame(W, H, QImage::Format_RGB32);
    frame.fill(QColor(40, 60, 80));
    QElapsedTimer timer;
    timer.start();
    for (int f = 0; f < kFrames; ++f)
        for (const auto& layer : layers)
            layer->draw(f, &frame, 1.0);
    return timer.nsecsElapsed() / 1e6 / kFrames;
}

// One 700x500 picture drawn through a tilted quad of about its size at 1080p, by Qt's smooth
// perspective path and by ours.
void perspectiveDraws(QTextStream& out)
{
    QImage picture(700, 500, QImage::Format_ARGB32_Premultiplied);
    QPainter painter(&picture);
    painter.fillRect(picture.rect(), QLinearGradient(0, 0, 700, 500));
    painter.end();
    QTransform t;
    QTransform::quadToQuad(QPolygonF(QRectF(picture.rect())).mid(0, 4),
                           QPolygonF({{600, 300}, {1320, 250}, {1300, 800}, {620, 760}}), t);
    QImage frame(W, H, QImage::Format_RGB32);
    frame.fill(QColor(40, 60, 80));
    const auto time = [&](const std::function<void()>& draw) {
        QElapsedTimer timer;
        timer.start();
        for (int f = 0; f < kFrames; ++f)
            draw();
        return QString::number(timer.nsecsElapsed() / 1e6 / kFrames, 'f', 2);
    };
    const QString qt = time([&] {
        QPainter p(&frame);
        p.setTransform(t);
        p.setRenderHint(QPainter::Antialiasing);
        p.setRenderHint(QPainter::SmoothPixmapTransform);
        p.drawImage(0, 0, picture);
    });
    const QString ours = time([&] { drawPerspective(&frame, picture, t, 1.0); });
    out << "  700x500 picture through a tilted quad: Qt " << qt << " ms, ours " << ours << " ms ("
        << perspectiveDrawKind() << ")\n";
}

} // namespace

int main(int argc, char* argv[])
{
    qputenv("QT_QPA_PLATFORM", "offscreen");
    QGuiApplication app(argc, argv);
    QTextStream out(stdout);
    QTemporaryDir dir;
    QImage photo(4000, 3000, QImage::Format_RGB32);
    QPainter painter(&photo);
    painter.fillRect(photo.rect(), QLinearGradient(0, 0, 4000, 3000));
    painter.end();
    const QString path = dir.filePath("photo.jpg");
    photo.save(path, "JPG", 85);
    auto slide = QSharedPointer<ImgSlide>::create(path);

    auto layer = [&](const Keyframe& k, bool moving) {
        auto object = slot<ImgObject>(k, 4.0f / 3.0f, moving);
        object->borderWidth = 0.02f;
        return QSharedPointer<ObjectLayer>::create(object, slide, W, H);
    };
    auto textLayer = [&](bool moving) {
        auto object = slot<TextObject>(quad({0, 0}, {1, 0}, {1, 1}, {0, 1}), 16.0f / 9.0f, moving);
        object->color = Qt::white;
        const QImage text =
            TextSceneReader::textPicture(*object, "Summer at the lake", W, H, QString());
        return QSharedPointer<ObjectLayer>::create(object, text, W, H);
    };
    using Layers = QList<QSharedPointer<ObjectLayer>>;
    const auto cases = [&](bool moving) -> QList<QPair<QString, Layers>> {
        return {
            {"one photo, axis-aligned slot",
             {layer(quad({0.2, 0.15}, {0.8, 0.15}, {0.8, 0.85}, {0.2, 0.85}), moving)}},
            {"two photos, rotated slots",
             {layer(rotated({0.3, 0.5}, 700, 525, -8), moving),
              layer(rotated({0.7, 0.5}, 700, 525, 6), moving)}},
            {"one photo, perspective slot",
             {layer(quad({0.25, 0.2}, {0.78, 0.1}, {0.8, 0.92}, {0.22, 0.78}), moving)}},
            {"one text layer, full frame", {textLayer(moving)}},
        };
    };

    out << "per-frame composition at 1920x1080 (" << kFrames
        << " frames each), slots moving / holding still:\n";
    const auto moving = cases(true);
    const auto still = cases(false);
    for (int i = 0; i < moving.size(); ++i)
        out << "  " << moving[i].first << ": "
            << QString::number(msPerFrame(moving[i].second), 'f', 2) << " / "
            << QString::number(msPerFrame(still[i].second), 'f', 2) << " ms\n";
    perspectiveDraws(out);
    return 0;
}
