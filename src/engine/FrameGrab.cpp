#include "engine/FrameGrab.h"

#include "engine/PlanPlayer.h"

void FrameGrab::writeFrame(PoolFrame frame, const QImage& picture, int index)
{
    Q_UNUSED(frame);
    if (index == wanted)
        caught = picture.copy();
}

int FrameGrab::startEntry(const Project& project, const TemplateDescription& theme, int index)
{
    const QVector<int> starts = PlanPlayer::entryStarts(project, theme);
    int entry = PlanPlayer::entryAt(starts, index);
    // The first frames of a scene are blended with the last ones of the scene before.
    if (entry > 0 && index < starts[entry] + theme.sceneOverflow)
        --entry;
    return entry;
}

QImage FrameGrab::grab(QSharedPointer<Project> project, QSharedPointer<TemplateDescription> theme,
                       QSize size, int index)
{
    PlanPlayer player(project, theme, size);
    if (!player.check() || index < 0 || index >= PlanPlayer::videoFrames(*project, *theme))
        return {};
    FrameGrab sink(index);
    player.play(sink, startEntry(*project, *theme, index));
    return sink.image();
}
