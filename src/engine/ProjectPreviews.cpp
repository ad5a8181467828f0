#include "engine/ProjectPreviews.h"

#include "base/AtomicFile.h"
#include "base/Fit.h"
#include "images/ThumbGenerator.h"
#include "project/ImgSlide.h"
#include "project/TextSlide.h"
#include "scene/ObjectLayer.h"
#include "scene/TextLayout.h"
#include "scene/TextSceneReader.h"
#include "templates/ImgScene.h"
#include "templates/TemplateCatalog.h"
#include "templates/TextScene.h"

#include <QFile>
#include <QGuiApplication>
#include <QPainter>
#include <QPalette>

namespace {

constexpr int kCoverWidth = 600;
constexpr int kCoverHeight = 336;

// Replaces the preview only once the new one is whole: the start screen never reads half a
// picture after a crash or with a full disk.
bool store(const QImage& picture, const QString& file)
{
    return AtomicFile::write(file,
                             [&picture](QIODevice& out) { return picture.save(&out, "PNG"); });
}

// The first scene of the kind with exactly one object, and its object 0.
template <typename SceneType, typename Object>
QSharedPointer<Object> coverObject(const TemplateDescription& theme, int type)
{
    for (const QSharedPointer<Scene>& scene : *theme.scenes)
        if (scene->type == type && scene->objectCount() == 1)
            return static_cast<const SceneType&>(*scene).objects->value(0);
    return nullptr;
}

} // namespace

QString ProjectPreviews::fileName(int position)
{
    return position == 1 ? QStringLiteral("thumb.png")
                         : QStringLiteral("%1_thumb.png").arg(position - 1);
}

QString ProjectPreviews::previewText(const QString& text)
{
    return text.size() > 20 ? text.left(20).trimmed() + QStringLiteral("...") : text;
}

QImage ProjectPreviews::cover(const Project& project, const Slide& slide)
{
    const QSharedPointer<TemplateDescription> theme = project.templateDescription();
    if (!theme)
        return {};
    QImage picture(TemplateCatalog::instance()->entry(project.themeId()).prjThumbPath);
    if (picture.isNull()) {
        // A theme without its cover picture still gets a preview, on the window's panel colour.
        picture = QImage(kCoverWidth, kCoverHeight, QImage::Format_RGB32);
        picture.fill(QColor(0x27, 0x37, 0x45));
    }
    picture = picture.convertToFormat(QImage::Format_RGB32);
    QSharedPointer<ObjectLayer> layer;
    if (const auto* image = qobject_cast<const ImgSlide*>(&slide)) {
        const auto object = coverObject<ImgScene, ImgObject>(*theme, Scene::ImageSlides);
        if (object)
            layer = QSharedPointer<ObjectLayer>::create(
                object, QSharedPointer<ImgSlide>::create(image->path(), image->rotation()),
                kCoverWidth, kCoverHeight);
    } else if (const auto* text = qobject_cast<const TextSlide*>(&slide)) {
        const auto object = coverObject<TextScene, TextObject>(*theme, Scene::TextSlides);
        if (object)
            layer = QSharedPointer<ObjectLayer>::create(
                object,
                TextSceneReader::textPicture(
                    *object, text->text(), kCoverWidth, kCoverHeight,
                    TemplateCatalog::instance()->dirPath(project.themeId())),
                kCoverWidth, kCoverHeight);
    }
    if (!layer)
        return {};
    layer->draw(0, &picture, 1.0);
    return picture;
}

QImage ProjectPreviews::smallText(const QString& text)
{
    QImage picture(kSmall, kSmall, QImage::Format_RGB32);
    picture.fill(QColor(194, 208, 223));
    const QString shown = previewText(text);
    float size = 0;
    const QImage laidOut =
        renderText(kSmall, kSmall, shown, QGuiApplication::font(),
                   QGuiApplication::palette().color(QPalette::Text), 0.8f, 0.8f, &size);
    QPainter painter(&picture);
    painter.drawImage(0, 0, laidOut);
    return picture;
}

QList<PendingPreview> ProjectPreviews::update(const Project& project, const QString& folder)
{
    Memory& remembered = memory[project.id()];
    if (remembered.themeId != project.themeId()) {
        remembered.content.clear();
        remembered.themeId = project.themeId();
    }
    QList<PendingPreview> pending;
    const QVector<QSharedPointer<Slide>>& slides = project.slides();
    for (int n = 1; n <= 6; ++n) {
        const QString file = folder + fileName(n);
        if (n > slides.size()) {
            if (n >= 2)
                QFile::remove(file);
            // Forgotten with its file: whatever comes to this place next is previewed anew.
            remembered.content.remove(n);
            continue;
        }
        const Slide& slide = *slides[n - 1];
        const auto* image = qobject_cast<const ImgSlide*>(&slide);
        const auto* text = qobject_cast<const TextSlide*>(&slide);
        const QString content = image ? image->path() : text ? text->text() : QString();
        if (remembered.content.contains(n) && remembered.content.value(n) == content)
            continue;
        remembered.content.insert(n, content);
        if (n == 1) {
            const QImage picture = cover(project, slide);
            if (!picture.isNull())
                store(picture, file);
        } else if (image) {
            const ThumbGeneratorTask task{image->path(), kSmall, kSmall};
            ThumbGenerator::instance()->addTask(task);
            pending << PendingPreview{file, task};
        } else if (text) {
            store(smallText(text->text()), file);
        }
    }
    return pending;
}

bool ProjectPreviews::complete(const PendingPreview& preview, const QImage& thumbnail)
{
    if (thumbnail.isNull())
        return false;
    QImage picture = thumbnail;
    if (picture.size() != QSize(kSmall, kSmall)) {
        const QSize square(kSmall, kSmall);
        picture = picture.scaled(square, Qt::KeepAspectRatioByExpanding, Qt::SmoothTransformation);
        picture = picture.copy(Fit::centred(picture.size(), square));
    }
    return store(picture, preview.file);
}
