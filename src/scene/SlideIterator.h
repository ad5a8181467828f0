#pragma once

#include "project/Slide.h"

#include <QSharedPointer>
#include <QVector>

// The slides a scene shows, consumed one per object in ascending object id. Never reads past the
// end: an exhausted iterator yields null slides (their objects stay empty).
class SlideIterator
{
public:
    explicit SlideIterator(const QVector<QSharedPointer<Slide>>& slides)
        : current(slides.cbegin()), end(slides.cend())
    {
    }

    QSharedPointer<Slide> next() { return current == end ? nullptr : *current++; }

private:
    QVector<QSharedPointer<Slide>>::const_iterator current;
    QVector<QSharedPointer<Slide>>::const_iterator end;
};
