#pragma once

#include "images/ThumbWorkerBase.h"

// The proper thumbnail: the photo decoded at a reduced size that covers the box (JPEG decoders
// scale while decoding), turned upright by its EXIF orientation.
class ThumbWorker : public ThumbWorkerBase
{
    Q_OBJECT
public:
    using ThumbWorkerBase::ThumbWorkerBase;
    QSharedPointer<QImage> generate(const ThumbGeneratorTask& task) override;

    static QImage loadScaledImage(const QString& path, int height, int width);
};
