#pragma once

#include <QSize>

// The two sizes a video is made in: Full HD (1920x1080) and HD (1280x720).
inline QSize videoSize(bool fullHd)
{
    return fullHd ? QSize(1920, 1080) : QSize(1280, 720);
}
