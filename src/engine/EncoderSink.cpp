#include "engine/EncoderSink.h"

#include "media/AsyncVideoOutput.h"

namespace {
constexpr int kTimeBaseNum = 1;
constexpr int kTimeBaseDen = 30;
} // namespace

void EncoderSink::writeFrame(PoolFrame frame, const QImage& picture, int index)
{
    Q_UNUSED(picture);
    // The music is written up to the end of this frame.
    output.writeVideoFrame(std::move(frame), kTimeBaseNum, kTimeBaseDen,
                           (index + 1) * (1.0 / kTimeBaseDen));
}

void EncoderSink::sceneEnded(int frames)
{
    output.addPtsOffset(frames, kTimeBaseNum, kTimeBaseDen);
}
