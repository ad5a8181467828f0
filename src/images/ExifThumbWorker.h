#pragma once

#include "images/ThumbWorkerBase.h"

// The fast thumbnail: the JPEG preview in the photo's EXIF block, cropped to the photo's aspect
// when the camera letterboxed it, scaled to cover the box. Null when the photo has no preview.
class ExifThumbWorker : public ThumbWorkerBase
{
    Q_OBJECT
public:
    using ThumbWorkerBase::ThumbWorkerBase;
    QSharedPointer<QImage> generate(const ThumbGeneratorTask& task) override;
};
