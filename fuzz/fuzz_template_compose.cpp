// A theme description from anywhere is parsed and then used: a few frames of each scene are
// composed with a photo and a text, as a render does (scene readers, layers, borders, shadows,
// text fitting), at a small output size. Nothing may crash, hang, or read or write out of bounds.
#include "media/FramePool.h"
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

namespace {

constexpr int kWidth = 160;
constexpr int kHeight = 90;
constexpr int kScenes = 4;
constexpr int kFrames = 3;

// Small grey frames from a pool of their own, handed out synchronously.
class TinyBackground : public IAsyncAVInput
{
public:
    explicit TinyBackground(int frames)
        : pool(QSharedPointer<FramePool>::create(QSize(kWidth, kHeight))), left(frames)
    {
    }
    PoolFrame getFrame() override
    {
        if (left-- <= 0)
            return {};
        PoolFrame frame = PoolFrame::acquire(pool, this);
        frame.image().fill(Qt::gray);
        return frame;
    }

private:
    QSharedPointer<FramePool> pool;
    int left;
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
                slides << QSharedPointer<TextSlide>::create(
                    QStringLiteral("Summer by the lake %1").arg(k));
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
