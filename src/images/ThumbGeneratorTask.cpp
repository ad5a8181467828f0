#include "images/ThumbGeneratorTask.h"

void registerThumbGeneratorTask()
{
    qRegisterMetaType<ThumbGeneratorTask>("ThumbGeneratorTask");
}

namespace {
const bool registeredAtStart = (registerThumbGeneratorTask(), true);
} // namespace
