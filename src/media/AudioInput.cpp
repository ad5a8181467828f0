#include "media/AudioInput.h"

AudioInput::AudioInput(const QString& path) : AVInput(path, AVMEDIA_TYPE_AUDIO) {}

bool AudioInput::readFrame(AVFrame* frame)
{
    return decodeNext(frame);
}
