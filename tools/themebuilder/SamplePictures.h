#pragma once

#include <QImage>

// Original sample "photos" for theme tiles: small painted landscapes, different per index.
QImage samplePicture(int index, int width, int height);
