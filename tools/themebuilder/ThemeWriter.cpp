#include "ThemeWriter.h"

#include "SamplePictures.h"
#include "ScenePreview.h"
#include "SceneSpans.h"
#include "base/AtomicFile.h"
#include "media/AsyncVideoOutput.h"
#include "media/FramePool.h"
#include "media/VideoSize.h"

#include <QCryptographicHash>
#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QHash>
#include <QPainter>
#include <QSet>
#include <QThread>

namespace {

constexpr int kWidth = 1920;
constexpr int kHeight = 1080;

QString number(double value)
{
    return QString::number(value, 'f', 5);
}

QString frameText(const Keyframe& k)
{
    // The file lists the points row by row: top-left, top-right, bottom-left, bottom-right.
    return QStringList{number(k.topLeft.x()),     number(k.topLeft.y()),
                       number(k.topRight.x()),    number(k.topRight.y()),
                       number(k.bottomLeft.x()),  number(k.bottomLeft.y()),
                       number(k.bottomRight.x()), number(k.bottomRight.y())}
        .join(QLatin1Char(','));
}

// A background's file: named by the background, so that scenes showing the same one share it.
QString backgroundName(const SceneRecipe& scene)
{
    const QString& name = scene.background.name;
    if (scene.background.video)
        return name.isEmpty() ? QStringLiteral("%1.mp4").arg(scene.id) : name + ".mp4";
    return name.isEmpty() ? QStringLiteral("bg%1.jpg").arg(scene.id) : name + ".jpg";
}

// The video background's copy for HD renders.
QString hdBackgroundName(const SceneRecipe& scene)
{
    return scene.background.name.isEmpty() ? QStringLiteral("%1-hd.mp4").arg(scene.id)
                                           : scene.background.name + "-hd.mp4";
}

// Bumped when the writer's output changes for the same recipe (encoder settings, file layout):
// themes written by an older writer are then written again.
constexpr char kWriterRevision[] = "2";
constexpr char kStampName[] = ".recipe-sha256";

bool saveJpeg(const QImage& image, const QString& path, int quality = 90)
{
    return image.save(path, "JPG", quality);
}

} // namespace

bool ThemeWriter::fail(const QString& message)
{
    error = message;
    return false;
}

bool ThemeWriter::write(const ThemeRecipe& theme)
{
    skippedLast = false;
    error.clear();
    const QString folder = root + QLatin1Char('/') + QString::number(theme.id) + QLatin1Char('/');
    QString recipe;
    if (!describe(theme, folder, false, &recipe))
        return false;
    const QByteArray stamp = fingerprint(theme, recipe);
    bool complete = QFileInfo::exists(folder + "template.xml");
    for (const SceneRecipe& scene : theme.scenes)
        complete = complete && QFileInfo::exists(folder + backgroundName(scene));
    QFile written(folder + kStampName);
    if (complete && written.open(QIODevice::ReadOnly) && written.readAll() == stamp) {
        skippedLast = true;
        return true;
    }
    written.close();
    // Written afresh: nothing of an older recipe (a background no scene shows now) stays behind.
    QDir(folder).removeRecursively();
    if (!QDir().mkpath(folder))
        return fail("cannot create " + folder);
    QHash<QString, int> backgrounds; // file name: the length of the scene that wrote it
    for (const SceneRecipe& scene : theme.scenes) {
        const QString name = backgroundName(scene);
        if (backgrounds.contains(name)) {
            if (scene.background.video && backgrounds.value(name) != scene.frames)
                return fail(QStringLiteral("scene %1 shows %2 for %3 frames, another scene for %4")
                                .arg(scene.id)
                                .arg(name)
                                .arg(scene.frames)
                                .arg(backgrounds.value(name)));
        } else {
            if (!writeBackground(scene, folder))
                return false;
            backgrounds.insert(name, scene.frames);
        }
        for (const SlotRecipe& slot : scene.objects) {
            if (slot.textureMaker && !saveJpeg(slot.textureMaker(), folder + slot.texture))
                return fail("cannot write " + slot.texture);
            if (slot.slideBackgroundMaker &&
                !saveJpeg(slot.slideBackgroundMaker(), folder + slot.slideBackground))
                return fail("cannot write " + slot.slideBackground);
        }
    }
    // The description last, so that it can vouch for the videos it names; the stamp after
    // everything, so that a theme cut short is written again.
    QString xml;
    if (!describe(theme, folder, true, &xml) ||
        !AtomicFile::write(folder + "template.xml", xml.toUtf8()) || !writeInfo(theme, folder) ||
        !writeTile(theme, folder) || !writeSamples(folder))
        return fail(error.isEmpty() ? "cannot write the description of theme " + theme.name
                                    : error);
    if (!AtomicFile::write(folder + kStampName, stamp))
        return fail("cannot write " + folder + kStampName);
    return true;
}

QByteArray ThemeWriter::fingerprint(const ThemeRecipe& theme, const QString& description) const
{
    // What the recipe makes, short of the videos: the description without the files' hashes, a
    // few small frames of every background, the textures and the names. A change in any of
    // them writes the theme again.
    QCryptographicHash hash(QCryptographicHash::Sha256);
    hash.addData(kWriterRevision);
    hash.addData(description.toUtf8());
    hash.addData((theme.name + theme.slug + theme.fontPackage).toUtf8());
    const auto addImage = [&hash](const QImage& image) {
        const QImage rgb = image.convertToFormat(QImage::Format_RGB32);
        for (int y = 0; y < rgb.height(); ++y)
            hash.addData(reinterpret_cast<const char*>(rgb.constScanLine(y)), rgb.width() * 4);
    };
    QSet<QString> painted; // a background the scenes share is painted once
    for (const SceneRecipe& scene : theme.scenes) {
        if (!painted.contains(backgroundName(scene))) {
            painted << backgroundName(scene);
            const SceneSpans spans(scene);
            for (int frame : {0, scene.frames / 2, scene.frames - 1})
                addImage(spans.backdrop(frame, 64, 36));
        }
        for (const SlotRecipe& slot : scene.objects) {
            if (slot.textureMaker)
                addImage(slot.textureMaker());
            if (slot.slideBackgroundMaker)
                addImage(slot.slideBackgroundMaker());
        }
    }
    for (int i = 0; i < 6; ++i)
        addImage(samplePicture(i, 48, 32));
    return hash.result().toHex();
}

bool ThemeWriter::describe(const ThemeRecipe& theme, const QString& folder, bool vouch,
                           QString* out)
{
    QString xml = QStringLiteral("<?xml version=\"1.0\" encoding=\"UTF-8\"?>\n"
                                 "<template fade-in=\"%1\" fade-out=\"%2\" scene-overflow=\"%3\" "
                                 "text-max-size=\"70\" orientation-aware=\"%4\">\n")
                      .arg(theme.fadeIn)
                      .arg(theme.fadeOut)
                      .arg(theme.sceneOverflow)
                      .arg(theme.orientationAware ? 1 : 0);
    for (const SceneRecipe& scene : theme.scenes) {
        xml += QStringLiteral("<scene id=\"%1\" type=\"%2\" frames=\"%3\" bg-type=\"%4\"")
                   .arg(scene.id)
                   .arg(scene.type)
                   .arg(scene.frames)
                   .arg(scene.background.video ? 1 : 2);
        xml += QStringLiteral(" bg-file-name=\"%1\"").arg(backgroundName(scene));
        if (scene.background.video)
            xml += QStringLiteral(" bg-hd-file-name=\"%1\"").arg(hdBackgroundName(scene));
        // A video may be fetched from the theme server later: the installed description says
        // which bytes are the right ones.
        QFile video(folder + backgroundName(scene));
        if (vouch && scene.background.video && video.open(QIODevice::ReadOnly)) {
            QCryptographicHash hash(QCryptographicHash::Sha256);
            if (!hash.addData(&video))
                return fail("cannot read " + video.fileName());
            xml += QStringLiteral(" sha256=\"%1\" size=\"%2\"")
                       .arg(QString::fromLatin1(hash.result().toHex()))
                       .arg(video.size());
        }
        // Where the scene may stretch to fit the music, and the background's loop.
        const SceneSpans spans(scene);
        if (spans.hasHold())
            xml += QStringLiteral(" hold=\"%1,%2\" hold-range=\"%3,%4\"")
                       .arg(spans.start())
                       .arg(spans.end())
                       .arg(SceneSpans::kShortest)
                       .arg(SceneSpans::kLongest);
        if (spans.loops())
            xml += QStringLiteral(" loop=\"%1,%2\"").arg(spans.loopFrom()).arg(spans.loopTo());
        xml += QStringLiteral(">\n");
        for (int id = 0; id < scene.objects.size(); ++id) {
            const SlotRecipe& slot = scene.objects[id];
            xml += QStringLiteral("<object id=\"%1\" aspect=\"%2\" max-size=\"%3,%3\"")
                       .arg(id)
                       .arg(number(slot.aspect))
                       .arg(number(slot.maxSize));
            if (!slot.shadow.isEmpty())
                xml += QStringLiteral(" shadow=\"%1\"").arg(slot.shadow);
            xml += QStringLiteral(" v-pos=\"%1\" h-pos=\"%2\"").arg(slot.vPos).arg(slot.hPos);
            if (scene.type == 1) {
                xml += QStringLiteral(" border-width=\"%1\" border-color=\"%2,%3,%4\"")
                           .arg(number(slot.borderWidth))
                           .arg(slot.borderColor.red())
                           .arg(slot.borderColor.green())
                           .arg(slot.borderColor.blue());
                if (!slot.panZoom.isEmpty())
                    xml += QLatin1Char(' ') + slot.panZoom;
            } else {
                xml += QStringLiteral(" font=\"%1\"").arg(slot.font);
                if (!slot.texture.isEmpty())
                    xml += QStringLiteral(" texture=\"%1\"").arg(slot.texture);
                if (!slot.slideBackground.isEmpty())
                    xml += QStringLiteral(" slide-bg=\"%1\"").arg(slot.slideBackground);
            }
            xml += QStringLiteral(">\n<transform>\n");
            for (int f = 0; f < scene.frames; ++f) {
                if (!slot.motion.visible(f))
                    continue;
                const Pose pose = slot.motion.at(f);
                xml += QStringLiteral("<frame id=\"%1\" opacity=\"%2\">%3</frame>\n")
                           .arg(f)
                           .arg(QString::number(pose.opacity * 100, 'f', 2))
                           .arg(frameText(pose.keyframe()));
            }
            xml += QStringLiteral("</transform>\n</object>\n");
        }
        xml += QStringLiteral("</scene>\n");
    }
    xml += QStringLiteral("</template>\n");

    *out = xml;
    return true;
}

bool ThemeWriter::writeInfo(const ThemeRecipe& theme, const QString& folder)
{
    const QString info = QStringLiteral("<?xml version=\"1.0\" encoding=\"UTF-8\"?>\n<info>"
                                        "<name>%1</name><preview>https://lumavive.example/themes/%2"
                                        "</preview><font-package>%3</font-package></info>\n")
                             .arg(theme.name, theme.slug, theme.fontPackage);
    if (!AtomicFile::write(folder + "info.xml", info.toUtf8()))
        return fail("cannot write the description of theme " + theme.name);
    return true;
}

bool ThemeWriter::writeBackground(const SceneRecipe& scene, const QString& folder)
{
    const QString path = folder + backgroundName(scene);
    if (!scene.background.video) {
        if (!saveJpeg(scene.background.paint(0, 1, kWidth, kHeight), path, 92))
            return fail("cannot write " + path);
        return true;
    }
    // Backgrounds are decoded again by every render: they are encoded for fast decoding, and HD
    // renders get a copy painted at their own size.
    return writeVideo(scene, path, QSize(kWidth, kHeight)) &&
           writeVideo(scene, folder + hdBackgroundName(scene), videoSize(false));
}

bool ThemeWriter::writeVideo(const SceneRecipe& scene, const QString& path, QSize size)
{
    auto pool = QSharedPointer<FramePool>::create(size);
    const SceneSpans spans(scene);
    bool failed = false;
    {
        AsyncVideoOutput output;
        QObject::connect(&output, &AsyncVideoOutput::error, [&failed] { failed = true; });
        OutputSettings settings;
        settings.path = path;
        settings.width = size.width();
        settings.height = size.height();
        settings.fastDecode = true;
        output.start(settings);
        for (int i = 0; i < scene.frames && !failed; ++i) {
            // Stay a few frames ahead of the encoder, no more.
            while (pool->framesOut() > 6)
                QThread::msleep(5);
            PoolFrame frame = PoolFrame::acquire(pool, &output);
            QImage target = frame.image();
            QPainter(&target).drawImage(0, 0, spans.backdrop(i, size.width(), size.height()));
            frame.setIndex(i);
            // Renders seek back to the loop's start: it begins a group of pictures of its own.
            frame.setKeyFrame(spans.loops() && i == spans.loopFrom());
            output.writeVideoFrame(std::move(frame), 1, 30, (i + 1) / 30.0);
        }
        output.finish();
    }
    return failed ? fail("cannot encode " + path) : true;
}

bool ThemeWriter::writeSamples(const QString& folder)
{
    // The pictures the window's theme preview plays the theme with: painted here, landscape and
    // portrait, small enough to decode at once.
    const QString samples = folder + QStringLiteral("samples/");
    if (!QDir().mkpath(samples))
        return fail("cannot create " + samples);
    for (int i = 0; i < 6; ++i) {
        const bool portrait = i % 3 == 2;
        const QImage picture = samplePicture(i, portrait ? 640 : 960, portrait ? 960 : 640);
        if (!saveJpeg(picture, samples + QStringLiteral("sample-%1.jpg").arg(i + 1), 85))
            return fail("cannot write the sample pictures into " + samples);
    }
    return true;
}

bool ThemeWriter::writeTile(const ThemeRecipe& theme, const QString& folder)
{
    // The saved-project cover: the first single-photo scene's background, where its photo goes.
    const SceneRecipe* cover = nullptr;
    for (const SceneRecipe& scene : theme.scenes)
        if (scene.type == 1 && scene.objects.size() == 1 && !cover)
            cover = &scene;
    if (!cover || !saveJpeg(cover->background.paint(0, cover->frames, kWidth, kHeight)
                                .scaled(600, 336, Qt::IgnoreAspectRatio, Qt::SmoothTransformation),
                            folder + "thumb-prj.jpg"))
        return fail("theme " + theme.name + " has no single-photo scene for its cover");

    // The tile: the photo scene with the most slots, two thirds through, as the program composes
    // it from the files just written.
    const SceneRecipe* shown = &theme.scenes.first();
    for (const SceneRecipe& scene : theme.scenes)
        if (scene.type == 1 && scene.objects.size() > shown->objects.size())
            shown = &scene;
    const QImage picture =
        ScenePreview::compose(folder, theme.id, shown->id, shown->frames * 2 / 3);
    if (picture.isNull() ||
        !saveJpeg(picture.scaled(600, 336, Qt::IgnoreAspectRatio, Qt::SmoothTransformation),
                  folder + "thumb.jpg"))
        return fail("cannot write the tile of " + theme.name);
    return true;
}
