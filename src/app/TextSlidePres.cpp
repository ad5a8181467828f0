#include "app/TextSlidePres.h"

#include "app/ImageProvider.h"
#include "project/TextSlide.h"
#include "scene/TextLayout.h"

#include <QGuiApplication>
#include <QPainter>

TextSlidePres::TextSlidePres(QSharedPointer<TextSlide> slide)
    : SlidePres(slide, TextRow, QString()), font(QGuiApplication::font())
{
    renderThumbnail();
    connect(slide.data(), &TextSlide::mediaUpdated, this, &TextSlidePres::onMediaUpdated);
}

TextSlidePres::~TextSlidePres()
{
    ImageProvider::instance()->remove(imgId());
}

QString TextSlidePres::text() const
{
    return slide().objectCast<TextSlide>()->text();
}

void TextSlidePres::setText(const QString& text)
{
    slide().objectCast<TextSlide>()->setText(text);
    emit textChanged();
    renderThumbnail();
}

void TextSlidePres::onMediaUpdated(TextMediaPtr media)
{
    if (!media || media->slideBackground.isEmpty())
        return;
    background = media->slideBackground;
    font = media->font;
    color = media->color;
    renderThumbnail();
}

void TextSlidePres::renderThumbnail()
{
    QImage tile = background.isEmpty() ? QImage() : QImage(background);
    if (tile.isNull()) {
        tile = QImage(300, 300, QImage::Format_RGB32);
        tile.fill(QColor(194, 208, 223));
    }
    float size = 0;
    const QImage text =
        renderText(tile.width(), tile.height(), this->text(), font, color, 0.8f, 0.8f, &size);
    {
        QPainter painter(&tile);
        painter.drawImage(0, 0, text);
    }
    // The superseded thumbnail is released: a text row is re-rendered on every edit.
    const QString previous = imgId();
    setImgId(ImageProvider::instance()->addImage(QSharedPointer<QImage>::create(tile)));
    ImageProvider::instance()->remove(previous);
}
