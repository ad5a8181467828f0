#pragma once

#include "project/Slide.h"

#include <QString>

// A photo slide. The rotation is a plain counter of quarter turns clockwise (-1 and 5 are valid:
// three quarter turns and one).
class ImgSlide : public Slide
{
    Q_OBJECT
public:
    explicit ImgSlide(const QString& path, int rotation = 0)
        : Slide(Image), photoPath(path), turns(rotation)
    {
    }

    QString path() const { return photoPath; }
    int rotation() const { return turns; }
    void setRotation(int rotation) { turns = rotation; }
    // +1 clockwise, -1 counter-clockwise, never wrapped.
    void turn(bool clockwise) { turns += clockwise ? 1 : -1; }
    // Whether the photo, as shown (upright, then turned), is taller than wide. Read from its
    // header once; a photo that cannot be read counts as a landscape one.
    bool isPortrait() const;

private:
    QString photoPath;
    int turns;
    mutable int uprightTall = -1; // unknown yet; else 0 or 1, before this slide's turns
};
