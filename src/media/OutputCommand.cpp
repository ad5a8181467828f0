#include "media/OutputCommand.h"

#include "media/FramePool.h"

OutputCommand OutputCommand::videoFrame(QSharedPointer<FramePool> pool, AVFrame* frame, int num,
                                        int den, double seconds)
{
    OutputCommand command(VideoFrame);
    command.pool = std::move(pool);
    command.frame = frame;
    command.num = num;
    command.den = den;
    command.seconds = seconds;
    return command;
}

OutputCommand OutputCommand::ptsOffset(int64_t frames, int num, int den)
{
    OutputCommand command(PtsOffset);
    command.frames = frames;
    command.num = num;
    command.den = den;
    return command;
}

OutputCommand::OutputCommand(OutputCommand&& other) noexcept
    : kind(other.kind), pool(std::move(other.pool)), frame(other.frame), num(other.num),
      den(other.den), seconds(other.seconds), frames(other.frames)
{
    other.frame = nullptr;
}

OutputCommand::~OutputCommand()
{
    if (frame && pool)
        pool->release(frame);
}
