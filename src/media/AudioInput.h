#pragma once

#include "media/AVInput.h"

// A music file's decoded audio frames, in the file's own sample format, rate and layout.
class AudioInput : public AVInput
{
public:
    explicit AudioInput(const QString& path);
    bool readFrame(AVFrame* frame) override;
};
