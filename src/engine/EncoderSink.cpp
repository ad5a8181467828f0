#include "engine/EncoderSink.h"

#include "media/AsyncVideoOutput.h"

void EncoderSink::writeFrame(PoolFrame frame, const QImage& picture, int index)
{
    Q_UNUSED(picture);
    // The music is written up to the end of this frame.
    output.writeVideoFrame(std::move(frame), 1, kFramesPerSecond,
                           (index + 1) * (1.0 / kFramesPerSecond));
}

void EncoderSink::sceneEnded(int frames)
{
    output.addPtsOffset(frames, 1, kFramesPerSecond);
}
