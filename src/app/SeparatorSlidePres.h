#pragma once

#include "app/SlidePres.h"

// The row after the last slide that fits into the music; every slide below it is left out.
class SeparatorSlidePres : public SlidePres
{
    Q_OBJECT
public:
    SeparatorSlidePres() : SlidePres(nullptr, SeparatorRow, QString()) {}
};
