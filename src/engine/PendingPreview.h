#pragma once

#include "images/ThumbGeneratorTask.h"

#include <QString>

// A small preview file waiting for its photo's thumbnail.
struct PendingPreview
{
    QString file;
    ThumbGeneratorTask task;
};
