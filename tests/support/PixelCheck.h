#pragma once

#include <QImage>
#include <QPoint>

// Pixel comparisons for drawing tests.
namespace PixelCheck {

// How far one picture is from another of the same size: the largest difference of any colour
// channel, where it is, and how many pixels differ by more than two levels.
struct Difference
{
    int largest = 0;
    QPoint where;
    int aboveTwo = 0;
};

Difference compare(const QImage& a, const QImage& b);

// An RGB32 frame with something different in every pixel, so any pixel a draw gets wrong shows;
// `seed` shifts the pattern.
QImage patternFrame(int seed, int width, int height);

} // namespace PixelCheck
