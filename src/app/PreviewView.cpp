#include "app/PreviewView.h"

#include "app/PreviewPres.h"

#include <QPainter>
#include <QQuickWindow>

PreviewView::PreviewView(QQuickItem* parent) : QQuickPaintedItem(parent)
{
    setOpaquePainting(true);
    connect(PreviewPres::instance(), &PreviewPres::frameChanged, this, [this] { update(); });
}

void PreviewView::paint(QPainter* painter)
{
    const QRectF area = boundingRect();
    painter->fillRect(area, Qt::black);
    const QImage frame = PreviewPres::instance()->frame();
    if (frame.isNull())
        return;
    QSizeF fitted = frame.size();
    fitted.scale(area.size(), Qt::KeepAspectRatio);
    const QRectF target(area.center() - QPointF(fitted.width(), fitted.height()) / 2, fitted);
    painter->setRenderHint(QPainter::SmoothPixmapTransform);
    painter->drawImage(target, frame);
}

void PreviewView::geometryChanged(const QRectF& newGeometry, const QRectF& oldGeometry)
{
    QQuickPaintedItem::geometryChanged(newGeometry, oldGeometry);
    const qreal ratio = window() ? window()->effectiveDevicePixelRatio() : 1.0;
    PreviewPres::instance()->setViewSize((newGeometry.size() * ratio).toSize());
}
