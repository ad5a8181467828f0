#pragma once

#include "app/SlidePres.h"
#include "templates/TextObject.h"

#include <QColor>
#include <QFont>

class TextSlide;

// A text row: its thumbnail is the text laid out on a plain tile, or, once the scene plan has
// given the slide a place in the theme, on the theme's slide background in its font and colour.
class TextSlidePres : public SlidePres
{
    Q_OBJECT
public:
    explicit TextSlidePres(QSharedPointer<TextSlide> slide);
    ~TextSlidePres() override;

    QString text() const;
    void setText(const QString& text);

signals:
    void textChanged();

public slots:
    void onMediaUpdated(TextMediaPtr media);

private:
    void renderThumbnail();

    QString background;
    QFont font;
    QColor color = QColor(51, 51, 51);
};
