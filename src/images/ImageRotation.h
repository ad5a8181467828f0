#pragma once

#include <QImage>

// Quarter turns by exact pixel moves (no resampling), for 32-bit images. For 90 degrees the
// pixel at (x, y) goes to (h - 1 - y, x); 180 and 270 (or -90) likewise; 0 or 360 copies. Any
// other angle gives a null image. The result has the source's format (converted to 32-bit first
// when it was not).
QImage rotateImage(int angle, const QImage& image);
