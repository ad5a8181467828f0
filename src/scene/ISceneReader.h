#pragma once

#include "media/PoolFrame.h"

#include <QImage>
#include <QSharedPointer>
#include <QString>

// Composes the frames of one scene: each next() takes the next background frame and paints the
// scene's layers into it in place.
class ISceneReader
{
public:
    virtual ~ISceneReader() = default;
    // Hands on the most recently composed frame; empty after a next() that found no frame, and
    // after it was taken. image() shows its pixels while the taker holds it.
    virtual PoolFrame takeFrame() = 0;
    // Frames composed so far: 0 before the first next(), 1 after it.
    virtual int frameNumber() const = 0;
    // The current frame's pixels, wrapped without copying; empty before the first next().
    virtual QSharedPointer<QImage> image() const = 0;
    // Composes the next frame; false when the background has ended.
    virtual bool next(double step) = 0;
    // After next() returned false: whether the background ended because it could not be read.
    virtual bool backgroundFailed() const = 0;
    // Then, the reason it gave (empty when it gave none).
    virtual QString backgroundFailure() const = 0;
    // Draws every layer onto `target` at the current frame number, then advances it.
    virtual void drawElements(QSharedPointer<QImage> target, double step) = 0;
};
