#pragma once

#include "base/Failure.h"

// FFmpeg's own words for one of its error codes ("No space left on device").
QString libavReason(int code);

// Throws a Failure for a library call that returned `code`: `step` names the call, for whoever
// reads a report; the sentence and the file are the catcher's to give (Failure::withMessage()).
[[noreturn]] void throwLibav(const char* step, int code);
