#pragma once

#include <QSharedPointer>

#include <cstdint>

class FramePool;
struct AVFrame;

// One piece of work for the video output's thread. A VideoFrame command owns its frame until it
// is destroyed, which gives the frame back to the pool: whether it was encoded or discarded.
class OutputCommand
{
public:
    enum Kind { VideoFrame = 0, PtsOffset = 1 };

    static OutputCommand videoFrame(QSharedPointer<FramePool> pool, AVFrame* frame, int num, int den,
                                    double seconds);
    static OutputCommand ptsOffset(int64_t frames, int num, int den);

    OutputCommand(OutputCommand&& other) noexcept;
    OutputCommand& operator=(OutputCommand&&) = delete;
    OutputCommand(const OutputCommand&) = delete;
    ~OutputCommand();

    Kind kind;
    QSharedPointer<FramePool> pool;
    AVFrame* frame = nullptr;
    int num = 1;
    int den = 30;
    double seconds = 0.0;  // the frame's time in the video
    int64_t frames = 0;    // PtsOffset: how far the time origin moves

private:
    explicit OutputCommand(Kind kind) : kind(kind) {}
};
