#pragma once

#include <QQuickPaintedItem>

// The preview pane's picture ("PreviewView" in QML): the frame on screen, fitted into the item
// with black bars. Tells the preview its size in device pixels, the size the next play composes
// at.
class PreviewView : public QQuickPaintedItem
{
    Q_OBJECT
public:
    explicit PreviewView(QQuickItem* parent = nullptr);
    void paint(QPainter* painter) override;

protected:
    void geometryChanged(const QRectF& newGeometry, const QRectF& oldGeometry) override;
};
