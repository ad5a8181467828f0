#include "media/OutputCommand.h"

OutputCommand OutputCommand::videoFrame(PoolFrame frame, int num, int den, double seconds)
{
    OutputCommand command(VideoFrame);
    command.frame = std::move(frame);
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
