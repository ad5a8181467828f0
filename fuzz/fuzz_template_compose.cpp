// A theme description from anywhere is parsed and then used: a few frames of each scene are
// composed with a photo and a text, as a render does (scene readers, layers, borders, shadows,
// text fitting), at a small output size. Nothing may crash, hang, or read or write out of bounds.
#include "media/IAsyncAVInput.h"
#include "project/ImgSlide.h"
#include "project/TextSlide.h"
#include "scene/ImgSceneReader.h"
#include "scene/SlideIterator.h"
#include "scene/TextSceneReader.h"
#include "templates/ImgScene.h"
#include "templates/TemplateParser.h"
#include "templates/TextScene.h"

#include "FuzzApp.h"

#include <QBuffer>
#include <QDir>
#include <QImage>
#include <QTemporaryDir>

#include <cstdint>
#include <vector>

extern "C" {
#include <libavutil/frame.h>
#include <libavutil/pixfmt.h>
}

namespace {

constexpr int kWidth = 160;
constexpr int kHeight = 90;
constexpr int kScenes = 4;
constexpr int kFrames = 3;

// Small grey frames of its own, handed out synchronously and freed with the source.
class TinyBackground : public IAsyncAVInput
{
public:
    explicit TinyBackground(int frames) : left(frames) {}
    ~TinyBackground() override
    {
        for (AVFrame* frame : made)
            av_frame_free(&frame);
    }
    AVFrame* getFrame() override
    {
        if (left-- <= 0)
            return nullptr;
        AVFrame* frame = av_frame_alloc();
        frame->format = AV_PIX_FMT_BGRA;
        frame->width = kWidth;
        frame->height = kHeight;
        if (av_frame_get_buffer(frame, 32) < 0) {
            av_frame_free(&frame);
            return nullptr;
        }
        QImage(frame->data[0], kWidth, kHeight, frame->linesize[0], QImage::Format_RGB32).fill(Qt::gray);
        made.push_back(frame);
        return frame;
    }

private:
    int left;
    std::vector<AVFrame*> made;
};

QString photoPath()
{
    static QTemporaryDir folder;
    static const QString path = [] {
        QImage photo(64, 48, QImage::Format_RGB32);
        photo.fill(Qt::darkCyan);
        const QString file = folder.filePath(QStringLiteral("photo.png"));
        photo.save(file, "PNG");
        return file;
    }();
    return path;
}

} // namespace

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size)
{
    ensureFuzzApp("fuzz_template_compose");
    const QString photo = photoPath();

    QBuffer buffer;
    buffer.setData(reinterpret_cast<const char*>(data), int(size));
    buffer.open(QIODevice::ReadOnly);
    const auto description = TemplateParser::parse(&buffer, 1);

    int scenes = 0;
    for (const QSharedPointer<Scene>& scene : *description->scenes) {
        if (++scenes > kScenes)
            break;
        QVector<QSharedPointer<Slide>> slides;
        for (int k = 0; k < scene->objectCount() && k < 16; ++k) {
            if (scene->type == Scene::ImageSlides)
                slides << QSharedPointer<ImgSlide>::create(photo, k % 4);
            else
                slides << QSharedPointer<TextSlide>::create(QStringLiteral("Summer by the lake %1").arg(k));
        }
        SlideIterator iterator(slides);
        auto background = QSharedPointer<TinyBackground>::create(kFrames);
        QSharedPointer<ISceneReader> reader;
        if (scene->type == Scene::ImageSlides)
            reader = QSharedPointer<ImgSceneReader>::create(
                background, kWidth, kHeight, static_cast<const ImgScene*>(scene.data()), iterator);
        else
            reader = QSharedPointer<TextSceneReader>::create(
                background, kWidth, kHeight, static_cast<const TextScene*>(scene.data()), iterator,
                description->id);
        while (reader->next(1.0)) {
        }
    }
    return 0;
}
