#pragma once

#include "scene/PanZoomPicture.h"
#include "templates/ImgObject.h"
#include "templates/TextObject.h"

#include <QImage>
#include <QPolygonF>
#include <QSharedPointer>
#include <QTransform>

#include <memory>
#include <optional>

class ImgSlide;

// One photo or text of a scene, prepared once (rotated, framed, scaled, shadowed) and then drawn
// on every frame at the quadrilateral its keyframe gives, fitted whole inside the slot
// ("contain") and aligned by the slot's v-pos / h-pos. Objects are absent on frames without a
// keyframe. Prepared and drawn on one thread.
class ObjectLayer
{
public:
    // A photo layer for an output frame of width x height.
    ObjectLayer(QSharedPointer<ImgObject> object, QSharedPointer<ImgSlide> slide, int width,
                int height);
    // A text layer from the laid-out text picture.
    ObjectLayer(QSharedPointer<TextObject> object, const QImage& picture, int width, int height);

    // Draws the layer onto `target` as it stands at designed frame `frameNumber`, between two
    // keyframes when it is not whole.
    void draw(double frameNumber, QImage* target, double step) const;
    // How far through its scene the next draw is (0 at the first played frame, 1 at the last):
    // a panning or zooming photo's window follows it.
    void setSceneProgress(double progress) { sceneProgress = progress; }

    bool fitsVertically() const { return fitVertically; }
    float insetShare() const { return inset; }
    const QImage& picture() const { return moving ? currentPicture() : pixmap; }
    const QPolygonF& pictureQuad() const { return sourceQuad; }
    // The photo as prepared: the panning photo, or the framed one without its shadow.
    QSize preparedSize() const
    {
        return moving ? moving->photoSize() : sourceQuad.boundingRect().size().toSize();
    }

private:
    const SlotObject& slot() const;
    // A photo that covers its slot and pans or zooms (the object's pan and zoom).
    void prepareMoving(const ImgSlide& slide, int width, int height);
    void drawMoving(double frameNumber, QImage* target) const;
    // The picture as drawn now: the prepared one, or the panning photo's current window.
    const QImage& currentPicture() const;
    // The transform that puts the picture where keyframe `k` places it on a frame of `size`.
    bool placement(const Keyframe& k, QSize size, QTransform* transform) const;
    void fit(float pictureRatio, float aspect);

    QSharedPointer<ImgObject> imgObject;
    QSharedPointer<TextObject> textObject;
    bool fitVertically = false;
    float inset = 0.0f;
    QImage pixmap;        // the prepared picture, shadow included
    QPolygonF sourceQuad; // its framed photo (or whole text picture) inside `pixmap`
    std::unique_ptr<PanZoomPicture> moving; // instead of `pixmap`, for a panning photo
    double sceneProgress = 0.0;

    // The keyframe drawn last, and the picture of the layer as drawn there once it held still
    // (`cached`; a null `cache` when nothing of it was on the frame).
    mutable std::optional<Keyframe> last;
    mutable QSize lastTargetSize;
    mutable bool cached = false;
    mutable QImage cache;
    mutable QPoint cacheAt;
};
