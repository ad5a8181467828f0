#pragma once

#include "project/Slide.h"
#include "templates/TextObject.h"

#include <QString>

// A text slide: a short text that the theme lays out on a text scene.
class TextSlide : public Slide
{
    Q_OBJECT
public:
    explicit TextSlide(const QString& text = QString()) : Slide(Text), slideText(text) {}

    QString text() const { return slideText; }
    void setText(const QString& text) { slideText = text; }

    // The theme's style for this slide's place (background picture, font, colour); only
    // announced, so that the slide's thumbnail takes the theme's look.
    void setMedia(const TextMediaPtr& media) { emit mediaUpdated(media); }

signals:
    void mediaUpdated(TextMediaPtr media);

private:
    QString slideText;
};
