#include "ScenePreview.h"

#include "SamplePictures.h"
#include "media/VideoInput.h"
#include "project/ImgSlide.h"
#include "scene/ObjectLayer.h"
#include "scene/TextSceneReader.h"
#include "templates/ImgScene.h"
#include "templates/TemplateParser.h"
#include "templates/TextScene.h"

#include <QFile>
#include <QPainter>
#include <QTemporaryDir>

namespace {

constexpr int kWidth = 1920;
constexpr int kHeight = 1080;

QImage videoFrame(const QString& path, int index)
{
    QImage picture(kWidth, kHeight, QImage::Format_RGB32);
    picture.fill(Qt::black);
    try {
        VideoInput input(path);
        libav::FramePtr frame = libav::makeFrame();
        frame->format = AV_PIX_FMT_BGRA;
        frame->width = kWidth;
        frame->height = kHeight;
        av_frame_get_buffer(frame.get(), 32);
        for (int i = 0; i <= index && input.readFrame(frame.get()); ++i) {
            if (i == index)
                picture = QImage(frame->data[0], kWidth, kHeight, frame->linesize[0],
                                 QImage::Format_RGB32)
                              .copy();
        }
    } catch (int) {
    }
    return picture;
}

} // namespace

QImage ScenePreview::compose(const QString& folder, int themeId, int sceneId, int frame)
{
    QFile file(folder + "template.xml");
    if (!file.open(QIODevice::ReadOnly))
        return {};
    const auto theme = TemplateParser::parse(&file, themeId);
    const QSharedPointer<Scene> scene = theme->scenes->value(sceneId);
    if (!scene)
        return {};
    QImage picture =
        scene->bgType == Scene::StillBackground
            ? QImage(folder + scene->bgFileName)
                  .scaled(kWidth, kHeight, Qt::IgnoreAspectRatio, Qt::SmoothTransformation)
                  .convertToFormat(QImage::Format_RGB32)
            : videoFrame(folder + scene->bgFileName, frame);

    QTemporaryDir samples;
    if (const auto images = scene.dynamicCast<ImgScene>()) {
        int index = 0;
        for (const QSharedPointer<ImgObject>& object : *images->objects) {
            const float aspect = object->aspect;
            const int w = aspect >= 1 ? 1200 : int(1200 * aspect);
            const int h = aspect >= 1 ? int(1200 / aspect) : 1200;
            const QString path = samples.filePath(QStringLiteral("sample%1.jpg").arg(index));
            samplePicture(themeId * 5 + index++, w, h).save(path, "JPG", 90);
            ObjectLayer(object, QSharedPointer<ImgSlide>::create(path), kWidth, kHeight)
                .draw(frame, &picture, 1.0);
        }
    } else if (const auto texts = scene.dynamicCast<TextScene>()) {
        for (const QSharedPointer<TextObject>& object : *texts->objects) {
            const QImage text = TextSceneReader::textPicture(
                *object, QStringLiteral("Summer by the lake"), kWidth, kHeight, folder);
            ObjectLayer(object, text, kWidth, kHeight).draw(frame, &picture, 1.0);
        }
    }
    return picture;
}
