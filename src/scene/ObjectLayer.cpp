#include "scene/ObjectLayer.h"

#include "images/ImageRotation.h"
#include "media/ImageLoader.h"
#include "project/ImgSlide.h"
#include "scene/PerspectiveDraw.h"
#include "scene/Shadow.h"

#include <QPainter>
#include <QTransform>

#include <QLineF>

#include <algorithm>
#include <cmath>

namespace {

// quadToQuad gives a projective transform even for a slot that is only moved, scaled and rotated:
// its perspective terms come out as rounding noise. Qt then takes its general perspective path,
// five times slower than the affine one. When the perspective terms move no corner of the
// picture by a hundredth of a pixel, the affine part alone is the same drawing.
QTransform affineIfFlat(const QTransform& t, const QSize& size)
{
    if (t.type() != QTransform::TxProject || qAbs(t.m33()) < 1e-9)
        return t;
    const QTransform affine(t.m11() / t.m33(), t.m12() / t.m33(), t.m21() / t.m33(),
                            t.m22() / t.m33(), t.dx() / t.m33(), t.dy() / t.m33());
    const QRectF corners(QPointF(0, 0), QSizeF(size));
    for (const QPointF& p :
         {corners.topLeft(), corners.topRight(), corners.bottomRight(), corners.bottomLeft()}) {
        const QPointF delta = t.map(p) - affine.map(p);
        if (qAbs(delta.x()) > 0.01 || qAbs(delta.y()) > 0.01)
            return t;
    }
    return affine;
}

bool sameKeyframe(const Keyframe& a, const Keyframe& b)
{
    return a.topLeft == b.topLeft && a.topRight == b.topRight && a.bottomRight == b.bottomRight &&
           a.bottomLeft == b.bottomLeft && a.opacity == b.opacity;
}

// Draws `picture` through `transform`, smooth and antialiased, with `opacity`.
void drawTransformed(QImage* target, const QImage& picture, const QTransform& transform,
                     qreal opacity)
{
    // Qt's own perspective path is the slowest draw of a frame; ours gives the same pixels.
    if (transform.type() == QTransform::TxProject &&
        drawPerspective(target, picture, transform, opacity))
        return;
    QPainter painter(target);
    if (opacity < 1.0)
        painter.setOpacity(opacity);
    painter.setTransform(transform);
    painter.setRenderHint(QPainter::Antialiasing);
    painter.setRenderHint(QPainter::SmoothPixmapTransform);
    painter.drawImage(0, 0, picture);
}

// The slot at a designed position: a keyframe itself at a whole frame, and between two keyframes
// the straight mix of both (a stretched hold plays between the frames a theme states). A slot
// without a keyframe at the frame before the position is not on the frame.
const Keyframe* keyframeAt(const SlotObject& object, double position, Keyframe* mixed)
{
    const int frame = int(std::floor(position));
    const auto found = object.keyframes.constFind(frame);
    if (found == object.keyframes.constEnd())
        return nullptr;
    const double t = position - frame;
    const auto after = object.keyframes.constFind(frame + 1);
    if (t < 1e-6 || after == object.keyframes.constEnd())
        return &*found;
    const Keyframe& a = *found;
    const Keyframe& b = *after;
    mixed->topLeft = a.topLeft + (b.topLeft - a.topLeft) * t;
    mixed->topRight = a.topRight + (b.topRight - a.topRight) * t;
    mixed->bottomRight = a.bottomRight + (b.bottomRight - a.bottomRight) * t;
    mixed->bottomLeft = a.bottomLeft + (b.bottomLeft - a.bottomLeft) * t;
    mixed->opacity = float(a.opacity + (b.opacity - a.opacity) * t);
    return mixed;
}

} // namespace

ObjectLayer::ObjectLayer(QSharedPointer<ImgObject> object, QSharedPointer<ImgSlide> slide,
                         int width, int height)
    : imgObject(std::move(object))
{
    if (imgObject->panZoom.enabled) {
        if (slide)
            prepareMoving(*slide, width, height);
        return;
    }
    // Never decode more pixels than the largest share of the frame the slot may take.
    const QSize largest(int(float(width) * imgObject->maxWidth),
                        int(float(height) * imgObject->maxHeight));
    QImage photo = slide ? *loadImage(slide->path(), largest) : QImage();
    if (photo.isNull() || photo.width() == 0 || photo.height() == 0)
        return; // a photo that cannot be loaded draws nothing
    photo.convertTo(QImage::Format_ARGB32_Premultiplied);

    const int turns = ((slide->rotation() % 4) + 4) % 4;
    if (turns != 0)
        photo = rotateImage(turns * 90, photo);

    // Border: a fraction of the photo's height when it is relatively narrower than the slot (or
    // as wide), of its width otherwise.
    const ImgObject& spec = *imgObject;
    const int w = photo.width();
    const int h = photo.height();
    const float ratio = float(w) / float(h);
    const int b = int(float(ratio <= spec.aspect ? h : w) * spec.borderWidth);
    QImage framed(w + 2 * b, h + 2 * b, QImage::Format_ARGB32_Premultiplied);
    if (framed.isNull())
        return;
    framed.fill(Qt::transparent);
    {
        QPainter painter(&framed);
        const QColor border = spec.borderColor;
        painter.fillRect(QRect(0, 0, b, h + 2 * b), border);
        painter.fillRect(QRect(0, 0, w + 2 * b, b), border);
        painter.fillRect(QRect(w + b, 0, b, h + 2 * b), border);
        painter.fillRect(QRect(0, h + b, w + 2 * b, b), border);
        painter.drawImage(b, b, photo);
    }
    photo = QImage();

    // The border makes the picture larger than the decoded photo: scale it into that share.
    const double sx = double(framed.width()) / double(float(width) * spec.maxWidth);
    const double sy = double(framed.height()) / double(float(height) * spec.maxHeight);
    const double s = qMax(sx, sy);
    int unit = b;
    if (s > 1.0) {
        framed = framed.scaledToHeight(int(framed.height() / s), Qt::SmoothTransformation);
        unit =
            int(float(ratio > spec.aspect ? framed.width() : framed.height()) * spec.borderWidth);
    }
    const float framedRatio = float(framed.width()) / float(framed.height());

    pixmap = makeShadow(framed, spec.shadow.x, spec.shadow.y, spec.shadow.blur, spec.shadow.color,
                        unit, &sourceQuad);
    fit(framedRatio, spec.aspect);
}

ObjectLayer::ObjectLayer(QSharedPointer<TextObject> object, const QImage& picture, int, int)
    : textObject(std::move(object))
{
    if (picture.isNull())
        return;
    const ShadowSpec& shadow = textObject->shadow;
    // With unit 0 the shadow has no offset and no blur: the text's own shape once more beneath
    // it, which only shows at anti-aliased edges.
    pixmap = makeShadow(picture, shadow.x, shadow.y, shadow.blur, shadow.color, 0, &sourceQuad);
    fit(float(picture.width()) / float(picture.height()), textObject->aspect);
}

namespace {

// The slot's largest width and height on a frame of width x height, over all its keyframes.
QSizeF largestSlot(const SlotObject& object, int width, int height)
{
    double w = 0;
    double h = 0;
    for (const Keyframe& k : object.keyframes) {
        const auto at = [&](const QPointF& p) { return QPointF(p.x() * width, p.y() * height); };
        const QPointF p0 = at(k.topLeft), p1 = at(k.topRight), p2 = at(k.bottomRight),
                      p3 = at(k.bottomLeft);
        w = std::max({w, QLineF(p0, p1).length(), QLineF(p3, p2).length()});
        h = std::max({h, QLineF(p0, p3).length(), QLineF(p1, p2).length()});
    }
    return QSizeF(w, h);
}

} // namespace

void ObjectLayer::prepareMoving(const ImgSlide& slide, int width, int height)
{
    const ImgObject& spec = *imgObject;
    // The slot at its largest, in the slot's own shape.
    QSizeF slot = largestSlot(spec, width, height);
    slot = QSizeF(std::max(slot.width(), slot.height() * spec.aspect),
                  std::max(slot.height(), slot.width() / spec.aspect));
    if (slot.isEmpty())
        return;
    // Decoded large enough to cover the slot at the largest zoom, and no larger.
    const double zoom = PanZoom::largestZoom(spec.panZoom);
    QImage photo = *loadImage(
        slide.path(),
        QSize(int(std::ceil(slot.width() * zoom)), int(std::ceil(slot.height() * zoom))), true);
    if (photo.isNull())
        return;
    const int turns = ((slide.rotation() % 4) + 4) % 4;
    if (turns != 0)
        photo = rotateImage(turns * 90, photo);
    // Exactly as large as covering the slot at the largest zoom needs (the decoder gives more):
    // every frame then samples it at one photo pixel per slot pixel or a little less, where
    // sampling between pixels follows the smallest motion.
    const QSizeF needed(slot.width() * zoom, slot.height() * zoom);
    const double scale = std::max(needed.width() / photo.width(), needed.height() / photo.height());
    if (scale < 1.0)
        photo = photo.scaled(std::max(1, int(std::ceil(photo.width() * scale))),
                             std::max(1, int(std::ceil(photo.height() * scale))),
                             Qt::IgnoreAspectRatio, Qt::SmoothTransformation);
    moving = std::make_unique<PanZoomPicture>(std::move(photo), spec, slot);
    if (moving->isNull()) {
        moving.reset();
        return;
    }
    sourceQuad = moving->quad();
    fit(spec.aspect, spec.aspect); // the photo fills the slot: nothing is left empty
}

const QImage& ObjectLayer::currentPicture() const
{
    return moving->at(sceneProgress);
}

void ObjectLayer::fit(float pictureRatio, float aspect)
{
    fitVertically = pictureRatio > aspect;
    const float f = fitVertically ? aspect / pictureRatio : pictureRatio / aspect;
    inset = (1.0f - f) * 0.5f;
}

const SlotObject& ObjectLayer::slot() const
{
    if (imgObject)
        return *imgObject;
    return *textObject;
}

void ObjectLayer::draw(double frameNumber, QImage* target, double) const
{
    if (moving) {
        drawMoving(frameNumber, target);
        return;
    }
    if (pixmap.isNull())
        return;
    Keyframe between;
    const Keyframe* at = keyframeAt(slot(), frameNumber, &between);
    if (!at)
        return;
    const Keyframe& k = *at;
    // A slot that holds still draws the same pixels again: from the second such frame on it is
    // drawn once into a picture of its own and then only laid over each frame (the same
    // source-over arithmetic, so the same result, at the cost of a copy).
    const bool still = last && sameKeyframe(k, *last) && target->size() == lastTargetSize;
    last = k;
    lastTargetSize = target->size();
    if (still && cached) {
        if (!cache.isNull())
            QPainter(target).drawImage(cacheAt, cache);
        return;
    }
    QTransform transform;
    if (!placement(k, target->size(), &transform))
        return;
    const qreal opacity = k.opacity < 0.99f ? k.opacity : 1.0;
    if (!still) {
        cached = false;
        cache = QImage(); // a moving slot holds no copy
        drawTransformed(target, pixmap, transform, opacity);
        return;
    }
    const QRect bounds = transform.mapRect(QRectF(pixmap.rect())).toAlignedRect() & target->rect();
    cached = true;
    cacheAt = bounds.topLeft();
    cache = QImage();
    if (bounds.isEmpty())
        return; // nothing of it on the frame
    cache = QImage(bounds.size(), QImage::Format_ARGB32_Premultiplied);
    if (cache.isNull()) { // no memory for the copy: drawn directly as before
        cached = false;
        drawTransformed(target, pixmap, transform, opacity);
        return;
    }
    cache.fill(Qt::transparent);
    // Whole-pixel offsets keep every pixel centre where it was.
    drawTransformed(&cache, pixmap, transform * QTransform::fromTranslate(-bounds.x(), -bounds.y()),
                    opacity);
    QPainter(target).drawImage(cacheAt, cache);
}

void ObjectLayer::drawMoving(double frameNumber, QImage* target) const
{
    Keyframe between;
    const Keyframe* k = keyframeAt(slot(), frameNumber, &between);
    QTransform transform;
    if (!k || !placement(*k, target->size(), &transform))
        return;
    // A new picture every frame: nothing to keep for a slot that holds still.
    drawTransformed(target, currentPicture(), transform, k->opacity < 0.99f ? k->opacity : 1.0);
}

bool ObjectLayer::placement(const Keyframe& k, QSize size, QTransform* transform) const
{
    const SlotObject& object = slot();
    const float W = float(size.width());
    const float H = float(size.height());
    QPointF p0(W * float(k.topLeft.x()), H * float(k.topLeft.y()));
    QPointF p1(W * float(k.topRight.x()), H * float(k.topRight.y()));
    QPointF p2(W * float(k.bottomRight.x()), H * float(k.bottomRight.y()));
    QPointF p3(W * float(k.bottomLeft.x()), H * float(k.bottomLeft.y()));

    // Shorten the edges along their own direction, so rotated and tilted slots keep their shape.
    // Centre takes the inset from both edges, Start keeps the top (left) edge and takes it twice
    // from the other, End the other way round; unknown values change nothing.
    const qreal i = inset;
    const int align = fitVertically ? object.vPos : object.hPos;
    const qreal near = align == SlotObject::Centre ? 1 : align == SlotObject::End ? 2 : 0;
    const qreal far = align == SlotObject::Centre ? 1 : align == SlotObject::Start ? 2 : 0;
    // The edge across the fitted direction that comes in (top or left) and the one opposite.
    QPointF& nearA = p0;
    QPointF& nearB = fitVertically ? p1 : p3;
    QPointF& farA = fitVertically ? p3 : p1;
    QPointF& farB = p2;
    const QPointF stepA = (farA - nearA) * i;
    const QPointF stepB = (farB - nearB) * i;
    nearA += near * stepA;
    nearB += near * stepB;
    farA -= far * stepA;
    farB -= far * stepB;

    const QPolygonF destination({p0, p1, p2, p3});
    if (sourceQuad.size() != 4 || !QTransform::quadToQuad(sourceQuad, destination, *transform))
        return false;
    *transform = affineIfFlat(*transform, moving ? currentPicture().size() : pixmap.size());
    return true;
}
