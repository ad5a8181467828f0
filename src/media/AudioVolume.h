#pragma once

extern "C" {
#include <libavutil/frame.h>
}

// Scales a frame's samples in place by a fixed-point gain with 8 fraction bits (256 = unchanged,
// 128 = half, 0 = silence), per plane for planar formats. Integer samples are rounded and
// clipped; float and double samples are multiplied by volume / 256.
void applyVolume(AVFrame* frame, int volume);
