#pragma once

#include "engine/FrameSink.h"
#include "project/Project.h"
#include "templates/TemplateDescription.h"

// Catches one frame of a plan as a picture, for checks and thumbnails.
class FrameGrab : public FrameSink
{
public:
    explicit FrameGrab(int index) : wanted(index) {}
    void writeFrame(PoolFrame frame, const QImage& picture, int index) override;
    bool full() const override { return !caught.isNull(); }
    QImage image() const { return caught; }

    // Frame `index` of the video at `size`, exactly as the render composes it: the plan played
    // from the scene that shows it (from the scene before when it falls into a cross-fade). Null
    // when the plan has no such frame or cannot be played (said through CommonError).
    static QImage grab(QSharedPointer<Project> project, QSharedPointer<TemplateDescription> theme,
                       QSize size, int index);
    // The plan entry to start from for frame `index`.
    static int startEntry(const Project& project, const TemplateDescription& theme, int index);

private:
    const int wanted;
    QImage caught;
};
