#include "scene/TextSceneReader.h"

#include "project/TextSlide.h"
#include "scene/Shadow.h"
#include "scene/TextLayout.h"
#include "templates/TemplateCatalog.h"
#include "templates/TextScene.h"

#include <QBrush>
#include <QPainter>

QImage TextSceneReader::textPicture(const TextObject& object, const QString& text, int width,
                                    int height, const QString& themeFolder)
{
    float size = 0.0f;
    QImage picture =
        renderText(width, height, text, object.font, object.color, 0.96f, 0.96f, &size);

    if (!object.texture.isEmpty()) {
        const QImage texture(themeFolder + object.texture);
        // A texture that cannot be loaded leaves the text in its own colour.
        if (!texture.isNull()) {
            QImage textured(picture.size(), QImage::Format_ARGB32_Premultiplied);
            textured.fill(Qt::transparent);
            QPainter painter(&textured);
            painter.fillRect(textured.rect(), QBrush(texture));
            painter.setCompositionMode(QPainter::CompositionMode_DestinationIn);
            painter.drawImage(0, 0, picture);
            painter.end();
            picture = textured;
        }
    }

    // The shadow is measured in multiples of the fitted point size.
    QPolygonF scratch;
    return makeShadow(picture, object.shadow.x, object.shadow.y, object.shadow.blur,
                      object.shadow.color, int(size), &scratch);
}

TextSceneReader::TextSceneReader(QSharedPointer<IAsyncAVInput> background, int width, int height,
                                 const TextScene* scene, SlideIterator& slides, int themeId)
    : SceneReaderBase(std::move(background))
{
    designedFrames = scene->frames;
    for (const QSharedPointer<TextObject>& object : *scene->objects) {
        const QSharedPointer<TextSlide> slide = slides.next().objectCast<TextSlide>();
        const QImage picture = slide ? textPicture(*object, slide->text(), width, height,
                                                   TemplateCatalog::instance()->dirPath(themeId))
                                     : QImage();
        layers.push_back(QSharedPointer<ObjectLayer>::create(object, picture, width, height));
    }
}
