#pragma once

#include <QColor>
#include <QFont>
#include <QImage>
#include <QRect>
#include <QString>

// Lays `text` out as large as it fits into a centred box of a width x height transparent picture:
// the box is boxWidth x boxHeight of the picture (shares, e.g. 0.96); the point size starts at the
// box height in pixels and shrinks by 10 % until the word-wrapped, centred text fits, or stops
// below 3. `pointSize` receives the size used. Keeps no state; runs on any thread.
QImage renderText(int width, int height, const QString& text, QFont font, const QColor& color,
                  float boxWidth, float boxHeight, float* pointSize);

// The centred text box: the picture's width and height times the shares, each truncated.
QRect textBox(int width, int height, float boxWidth, float boxHeight);
