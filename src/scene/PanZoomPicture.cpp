#include "scene/PanZoomPicture.h"

#include "scene/PerspectiveDraw.h"
#include "scene/Shadow.h"
#include "templates/ImgObject.h"

#include <QPainter>

#include <cmath>

PanZoomPicture::PanZoomPicture(QImage photoIn, const ImgObject& object, QSizeF slot)
    : photo(std::move(photoIn)),
      panZoom(object.panZoom, QSizeF(photo.size()), object.aspect, slot.width())
{
    if (photo.isNull() || slot.isEmpty())
        return;
    // Opaque (a transparent part shows black, as in the video's own frames), so that each frame's
    // window covers the whole photo area and nothing of the one before shows through.
    photo = photo.convertToFormat(QImage::Format_RGB32)
                .convertToFormat(QImage::Format_ARGB32_Premultiplied);
    const int w = std::max(1, int(std::ceil(slot.width())));
    const int h = std::max(1, int(std::lround(w / double(object.aspect))));
    // The border as for any photo as wide as its slot: a share of its height.
    const int b = int(float(h) * object.borderWidth);
    QImage framed(w + 2 * b, h + 2 * b, QImage::Format_ARGB32_Premultiplied);
    if (framed.isNull())
        return;
    // Opaque inside, so that the shadow is the whole slot's.
    framed.fill(object.borderColor);
    picture = makeShadow(framed, object.shadow.x, object.shadow.y, object.shadow.blur,
                         object.shadow.color, b, &framedQuad);
    if (picture.isNull() || framedQuad.size() != 4) {
        picture = QImage();
        return;
    }
    inner = QRect(framedQuad[0].toPoint() + QPoint(b, b), QSize(w, h));
}

const QImage& PanZoomPicture::at(double progress)
{
    if (picture.isNull() || progress == shown)
        return picture;
    shown = progress;
    // Only the photo area changes: the opaque window is drawn over the whole of it.
    const QRectF window = panZoom.window(progress);
    const QTransform toSlot =
        QTransform::fromScale(inner.width() / window.width(), inner.height() / window.height())
            .translate(-window.x(), -window.y());
    // The photo area as a picture of its own, over the same pixels: what is drawn stays inside.
    QImage area(picture.bits() + inner.y() * picture.bytesPerLine() + inner.x() * 4, inner.width(),
                inner.height(), picture.bytesPerLine(), picture.format());
    // Sampled between pixels at every position: Qt's path for scaling keeps whole pixels.
    if (!drawPerspective(&area, photo, toSlot, 1.0)) {
        QPainter painter(&area);
        painter.setRenderHint(QPainter::SmoothPixmapTransform);
        painter.setRenderHint(QPainter::Antialiasing);
        painter.setTransform(toSlot);
        painter.drawImage(0, 0, photo);
    }
    return picture;
}
