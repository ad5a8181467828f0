#pragma once

#include "app/SlidePres.h"
#include "base/SharedTypes.h"
#include "images/ThumbGeneratorTask.h"

class ImgSlide;

// An image row: asks the thumbnail generator for its photo's thumbnail (150 x the device pixel
// ratio, square), shows the placeholder until it arrives, and keeps it turned like the slide.
class ImgSlidePres : public SlidePres
{
    Q_OBJECT
public:
    ImgSlidePres(QSharedPointer<ImgSlide> slide, double devicePixelRatio);
    ~ImgSlidePres() override;

    void rotate(bool clockwise);
    ThumbGeneratorTask task() const { return request; }

public slots:
    void thumbGenerated(ThumbGeneratorTask task, QSharedPointer<QImage> img);

private:
    ThumbGeneratorTask request;
};
