#include "HttpTestServer.h"
#include "OutputProbe.h"
#include "ScenePreview.h"
#include "TestDirs.h"
#include "ThemeBook.h"
#include "engine/LibavRender.h"
#include "engine/PlanPlayer.h"
#include "media/VideoInput.h"
#include "project/ImgSlide.h"
#include "project/Project.h"
#include "project/TextSlide.h"
#include "scene/PanZoom.h"
#include "templates/ImgScene.h"
#include "templates/SceneTiming.h"
#include "templates/TemplateCatalog.h"
#include "templates/TemplateParser.h"
#include "templates/TextScene.h"
#include "templates/TmplDownloadManager.h"

#include <QCryptographicHash>
#include <QFontDatabase>
#include <QProcess>
#include <QSignalSpy>
#include <QtTest>

#include <numeric>

namespace {

const QString kThemes = QStringLiteral(THEMES_DIR);

QSharedPointer<TemplateDescription> parseTheme(const QString& root, int id)
{
    QFile file(root + QStringLiteral("/%1/template.xml").arg(id));
    if (!file.open(QIODevice::ReadOnly))
        return nullptr;
    return TemplateParser::parse(&file, id);
}

QByteArray digest(const QString& path)
{
    QFile file(path);
    file.open(QIODevice::ReadOnly);
    return QCryptographicHash::hash(file.readAll(), QCryptographicHash::Sha256);
}

// Mean absolute difference of two pictures' channels, 0..255.
double difference(const QImage& a, const QImage& b)
{
    double sum = 0;
    for (int y = 0; y < a.height(); ++y) {
        const uchar* p = a.constScanLine(y);
        const uchar* q = b.constScanLine(y);
        for (int x = 0; x < a.bytesPerLine(); ++x)
            sum += qAbs(int(p[x]) - int(q[x]));
    }
    return sum / (a.height() * a.bytesPerLine());
}

// A corner of a slot, in pixels of a 1080p frame, at a designed position between keyframes.
QPointF cornerAt(const SlotObject& slot, double position)
{
    const int frame = int(std::floor(position));
    const Keyframe a = slot.keyframes.value(frame);
    const Keyframe b = slot.keyframes.value(frame + 1, a);
    const QPointF p = a.topLeft + (b.topLeft - a.topLeft) * (position - frame);
    return QPointF(p.x() * 1920, p.y() * 1080);
}

template <typename SceneType> QList<const SlotObject*> slotsOf(const Scene& scene)
{
    QList<const SlotObject*> result;
    for (const auto& object : *static_cast<const SceneType&>(scene).objects)
        result << object.data();
    return result;
}

} // namespace

class TestThemes : public QObject
{
    Q_OBJECT

    TestDirs dirs;
    QList<ThemeRecipe> book = themeBook();

private slots:
    void initTestCase()
    {
        if (!QFileInfo::exists(kThemes + "/1/template.xml"))
            QSKIP("themes are not built (LUMAVIVE_THEMES=OFF)");
    }

    void everyThemeIsWhatItsRecipeSays()
    {
        QCOMPARE(book.size(), 12);
        int videos = 0;
        int stills = 0;
        for (const ThemeRecipe& recipe : book) {
            const auto theme = parseTheme(kThemes, recipe.id);
            QVERIFY2(theme, qPrintable(recipe.name));
            QCOMPARE(theme->fadeIn, recipe.fadeIn);
            QCOMPARE(theme->fadeOut, recipe.fadeOut);
            QCOMPARE(theme->sceneOverflow, recipe.sceneOverflow);
            QCOMPARE(theme->scenes->size(), recipe.scenes.size());
            for (const SceneRecipe& sceneRecipe : recipe.scenes) {
                const QSharedPointer<Scene> scene = theme->scenes->value(sceneRecipe.id);
                QVERIFY(scene);
                QCOMPARE(scene->type, sceneRecipe.type);
                QCOMPARE(scene->frames, sceneRecipe.frames);
                QCOMPARE(scene->objectCount(), sceneRecipe.objects.size());
                QCOMPARE(scene->bgType, sceneRecipe.background.video ? 1 : 2);
                sceneRecipe.background.video ? ++videos : ++stills;
                const auto objects =
                    scene->type == 1 ? slotsOf<ImgScene>(*scene) : slotsOf<TextScene>(*scene);
                for (int i = 0; i < objects.size(); ++i) {
                    const Motion& motion = sceneRecipe.objects[i].motion;
                    // A keyframe for every visible frame, and only those.
                    QCOMPARE(objects[i]->keyframes.size(), motion.last() - motion.first() + 1);
                    QCOMPARE(objects[i]->keyframes.firstKey(), motion.first());
                    for (const Keyframe& k : objects[i]->keyframes) {
                        for (QPointF p : {k.topLeft, k.topRight, k.bottomRight, k.bottomLeft}) {
                            QVERIFY2(p.x() > -1.0 && p.x() < 2.0 && p.y() > -1.0 && p.y() < 2.0,
                                     qPrintable(recipe.name));
                        }
                        QVERIFY(k.opacity >= 0.0f && k.opacity <= 1.0f);
                        // Never a folded quad: the top edge runs left to right.
                        QVERIFY(k.topRight.x() > k.topLeft.x() - 0.2);
                    }
                }
            }
        }
        QVERIFY(videos >= 12);
        QVERIFY(stills >= 3);
    }

    // What makes a theme worth choosing: five photo layouts or more of one to four photos, one
    // with portrait slots, one single photo that pans and zooms, a title, backgrounds that loop,
    // and fonts that are installed (from the package the theme names).
    void everyThemeHasVarietyOfItsOwn()
    {
        QSet<QString> names;
        QSet<QString> fonts;
        for (const ThemeRecipe& recipe : book) {
            const auto theme = parseTheme(kThemes, recipe.id);
            int photoScenes = 0;
            bool portrait = false;
            bool panning = false;
            bool title = false;
            bool loops = false;
            for (const QSharedPointer<Scene>& scene : *theme->scenes) {
                loops = loops || scene->hasLoop();
                if (const auto texts = scene.dynamicCast<TextScene>()) {
                    title = true;
                    const QString family = texts->objects->first()->font.family();
                    QVERIFY2(QFontDatabase().families().contains(family),
                             qPrintable(family + " from " + recipe.fontPackage));
                    fonts << family;
                    continue;
                }
                const auto& places = *scene.staticCast<ImgScene>()->objects;
                QVERIFY(places.size() >= 1 && places.size() <= 4);
                ++photoScenes;
                for (const auto& slot : places)
                    portrait = portrait || slot->aspect < 1.0f;
                panning = panning || (places.size() == 1 && places.first()->panZoom.enabled &&
                                      places.first()->aspect > 1.0f);
            }
            const QString name = recipe.name;
            QVERIFY2(photoScenes >= 5 && portrait && panning && title && loops, qPrintable(name));
            QVERIFY(recipe.fontPackage.startsWith("fonts-"));
            names << name;
        }
        QCOMPARE(names.size(), book.size());
        QVERIFY2(fonts.size() >= 10, "text styles of their own");
    }

    // One frame of every scene, two thirds through, as the program composes it with the
    // builder's sample pictures: compared with the frame kept in tests/themes/golden (written
    // there with LUMAVIVE_UPDATE_GOLDEN=1 after a deliberate change).
    void everySceneLooksAsItDid()
    {
        const QString golden = QStringLiteral(GOLDEN_DIR);
        const bool update = qEnvironmentVariableIsSet("LUMAVIVE_UPDATE_GOLDEN");
        for (const ThemeRecipe& recipe : book) {
            const QString folder = kThemes + QStringLiteral("/%1/").arg(recipe.id);
            for (const SceneRecipe& scene : recipe.scenes) {
                const QImage frame =
                    ScenePreview::compose(folder, recipe.id, scene.id, scene.frames * 2 / 3)
                        .scaled(128, 72, Qt::IgnoreAspectRatio, Qt::SmoothTransformation)
                        .convertToFormat(QImage::Format_RGB32);
                const QString name =
                    golden + QStringLiteral("/%1-%2.png").arg(recipe.id).arg(scene.id);
                if (update)
                    QVERIFY(frame.save(name));
                const QImage kept = QImage(name).convertToFormat(QImage::Format_RGB32);
                QVERIFY2(!kept.isNull(), qPrintable(name + " is missing"));
                QVERIFY2(difference(frame, kept) < 2.0,
                         qPrintable(QStringLiteral("%1, scene %2: %3")
                                        .arg(recipe.name)
                                        .arg(scene.id)
                                        .arg(difference(frame, kept))));
            }
        }
    }

    void savedProjectCoversShowTheirSlide()
    {
        // A saved project's cover shows slide 1 where the first one-slot scene of its kind
        // places it on frame 0: it must be there, and visible.
        for (const ThemeRecipe& recipe : book) {
            const auto theme = parseTheme(kThemes, recipe.id);
            for (int kind : {1, 2}) {
                for (const QSharedPointer<Scene>& scene : *theme->scenes) {
                    if (scene->type != kind || scene->objectCount() != 1)
                        continue;
                    const auto objects =
                        kind == 1 ? slotsOf<ImgScene>(*scene) : slotsOf<TextScene>(*scene);
                    QVERIFY2(objects[0]->keyframes.contains(0), qPrintable(recipe.name));
                    const Keyframe k = objects[0]->keyframes.value(0);
                    QVERIFY2(k.opacity > 0.9f, qPrintable(recipe.name));
                    const QPointF centre = (k.topLeft + k.bottomRight) / 2;
                    QVERIFY(centre.x() > 0.2 && centre.x() < 0.8 && centre.y() > 0.2 &&
                            centre.y() < 0.8);
                    break;
                }
            }
        }
    }

    // Portrait and landscape photos mixed as a phone's camera roll mixes them: every theme places
    // all of them, and most portrait photos play in portrait slots (a scene passed over keeps its
    // turn, so a few may not).
    void portraitPhotosGetPortraitSlots()
    {
        const QString portrait = dirs.picture("portrait.png", Qt::red, QSize(30, 40));
        const QString landscape = dirs.picture("landscape.png", Qt::blue, QSize(40, 30));
        for (const ThemeRecipe& recipe : book) {
            Project project;
            project.setTemplateDescription(parseTheme(kThemes, recipe.id));
            QVERIFY(project.templateDescription()->orientationAware);
            QVector<QSharedPointer<Slide>> photos;
            for (int i = 0; i < 24; ++i)
                photos << QSharedPointer<ImgSlide>::create(i % 3 == 1 ? portrait : landscape);
            project.setSlides(photos);
            QCOMPARE(project.usedSlides(), photos.size());
            int portraits = 0;
            int suited = 0;
            for (const ScenePlanEntry& entry : *project.scenePlan()) {
                const auto& places = *project.templateDescription()
                                          ->scenes->value(entry.sceneId)
                                          .staticCast<ImgScene>()
                                          ->objects;
                int k = 0;
                for (const QSharedPointer<ImgObject>& slot : places) {
                    if (entry.slides[k++].staticCast<ImgSlide>()->isPortrait()) {
                        ++portraits;
                        suited += slot->aspect < 1.0f ? 1 : 0;
                    }
                }
            }
            QVERIFY2(
                suited * 5 >= portraits * 3,
                qPrintable(
                    QStringLiteral("%1: %2 of %3").arg(recipe.name).arg(suited).arg(portraits)));
        }
    }

    // Every photo that pans and zooms, landscape or portrait, glides over its scene: its window
    // never turns back, and its step changes from frame to frame by a tenth of its largest step
    // at most (no jumps, no shaking).
    void panAndZoomMoveSmoothly()
    {
        int moving = 0;
        for (const ThemeRecipe& recipe : book) {
            const auto theme = parseTheme(kThemes, recipe.id);
            for (const QSharedPointer<Scene>& scene : *theme->scenes) {
                const auto photos = scene.dynamicCast<ImgScene>();
                if (!photos)
                    continue;
                for (const QSharedPointer<ImgObject>& slot : *photos->objects) {
                    if (!slot->panZoom.enabled)
                        continue;
                    ++moving;
                    const Keyframe& k = slot->keyframes.first();
                    const double width = 1920 * QLineF(k.topLeft, k.topRight).length();
                    for (const QSizeF photo : {QSizeF(4000, 3000), QSizeF(3000, 4000)}) {
                        const PanZoom motion(slot->panZoom, photo, slot->aspect, width);
                        const int n = scene->frames;
                        QVector<QPointF> steps;
                        for (int i = 0; i + 1 < n; ++i) {
                            const QRectF a = motion.window(double(i) / (n - 1));
                            const QRectF b = motion.window(double(i + 1) / (n - 1));
                            steps << (b.topLeft() - a.topLeft()) * (width / a.width());
                        }
                        const QPointF whole =
                            std::accumulate(steps.cbegin(), steps.cend(), QPointF());
                        double largest = 0;
                        for (const QPointF& step : steps)
                            largest = qMax(largest, QLineF(QPointF(), step).length());
                        for (int i = 1; i < steps.size(); ++i) {
                            const QString where = QStringLiteral("%1, scene %2, frame %3")
                                                      .arg(recipe.name)
                                                      .arg(theme->scenes->key(scene))
                                                      .arg(i);
                            QVERIFY2(QPointF::dotProduct(steps[i], whole) >= -1e-9,
                                     qPrintable(where));
                            QVERIFY2(QLineF(steps[i - 1], steps[i]).length() <=
                                         0.1 * largest + 1e-6,
                                     qPrintable(where));
                        }
                    }
                }
            }
        }
        QVERIFY(moving >= book.size());
    }

    // Played at its longest, a hold moves as smoothly as designed: the frame-to-frame step of
    // a corner changes by under 0.05 px from one frame to the next, keyframe after keyframe.
    void stretchedHoldsMoveSmoothly()
    {
        for (const ThemeRecipe& recipe : book) {
            const auto theme = parseTheme(kThemes, recipe.id);
            for (const QSharedPointer<Scene>& scene : *theme->scenes) {
                QVERIFY2(scene->holdFrames() > 0, qPrintable(recipe.name));
                const SceneTiming timing(*scene, scene->longest());
                const int from = scene->holdStart + 1;
                const int to =
                    scene->holdStart + scene->longest() - scene->frames + scene->holdFrames() - 2;
                const auto objects = scene->type == Scene::ImageSlides ? slotsOf<ImgScene>(*scene)
                                                                       : slotsOf<TextScene>(*scene);
                for (const SlotObject* slot : objects) {
                    for (int i = from; i < to; ++i) {
                        const QPointF change = cornerAt(*slot, timing.position(i + 1)) -
                                               2 * cornerAt(*slot, timing.position(i)) +
                                               cornerAt(*slot, timing.position(i - 1));
                        QVERIFY2(qAbs(change.x()) < 0.05 && qAbs(change.y()) < 0.05,
                                 qPrintable(QStringLiteral("%1, scene %2, frame %3")
                                                .arg(recipe.name)
                                                .arg(theme->scenes->key(scene))
                                                .arg(i)));
                    }
                }
            }
        }
    }

    // A background goes from its loop's last frame back to its first as it goes from frame to
    // frame near there.
    void backgroundLoopsJoin()
    {
        int loops = 0;
        for (const ThemeRecipe& recipe : book) {
            const auto theme = parseTheme(kThemes, recipe.id);
            QSet<QString> seen;
            for (const QSharedPointer<Scene>& scene : *theme->scenes) {
                if (!scene->hasLoop() || seen.contains(scene->bgHdFileName))
                    continue;
                seen << scene->bgHdFileName;
                ++loops;
                VideoInput input(kThemes + QStringLiteral("/%1/").arg(recipe.id) +
                                 scene->bgHdFileName);
                QVector<QImage> frames;
                libav::FramePtr frame = libav::makeFrame();
                frame->format = AV_PIX_FMT_BGRA;
                frame->width = 64;
                frame->height = 36;
                av_frame_get_buffer(frame.get(), 32);
                while (input.readFrame(frame.get()))
                    frames << QImage(frame->data[0], 64, 36, frame->linesize[0],
                                     QImage::Format_RGB32)
                                  .copy();
                const int a = scene->loopStart;
                const int b = scene->loopEnd;
                // Played at its longest, it goes round the loop: a frame on, or the same frame
                // again, or from the loop's end back to its start.
                const QVector<int> played =
                    SceneTiming(*scene, scene->longest()).backgroundFrames();
                QCOMPARE(played.first(), 0); // the whole video, and on to its end
                QCOMPARE(played.last(), scene->frames - 1);
                for (int i = 1; i < played.size(); ++i)
                    QVERIFY2(played[i] - played[i - 1] == 1 || played[i] == played[i - 1] ||
                                 (played[i - 1] == b - 1 && played[i] == a),
                             qPrintable(QStringLiteral("%1, frame %2").arg(recipe.name).arg(i)));
                const double seam = difference(frames[b - 1], frames[a]);
                double steps = 0; // the largest of the five steps on either side
                for (int i = 0; i < 5; ++i)
                    steps = qMax(steps, qMax(difference(frames[b - 2 - i], frames[b - 1 - i]),
                                             difference(frames[a + i], frames[a + i + 1])));
                QVERIFY2(seam <= steps + 0.5, qPrintable(QStringLiteral("%1, scene %2: %3 > %4")
                                                             .arg(recipe.name)
                                                             .arg(theme->scenes->key(scene))
                                                             .arg(seam)
                                                             .arg(steps)));
            }
        }
        QVERIFY(loops >= book.size());
    }

    void buildingAgainGivesTheSameBytes()
    {
#ifdef LUMAVIVE_SANITIZED
        QSKIP("run by the normal build only (see CMakeLists.txt)");
#endif
        const QString again = dirs.file("again");
        QCOMPARE(QProcess::execute(QStringLiteral(THEMEBUILDER), {"--out", again, "--only", "2"}),
                 0);
        const QStringList files = QDir(kThemes + "/2").entryList(QDir::Files, QDir::Name);
        QCOMPARE(QDir(again + "/2").entryList(QDir::Files, QDir::Name), files);
        for (const QString& file : files)
            QVERIFY2(digest(kThemes + "/2/" + file) == digest(again + "/2/" + file),
                     qPrintable(file));
        // Built again from the same recipe, the theme is left as it is; without one of its
        // videos it is written again.
        const auto build = [&] {
            QProcess builder;
            builder.start(QStringLiteral(THEMEBUILDER), {"--out", again, "--only", "2"});
            builder.waitForFinished(600000);
            return QString::fromUtf8(builder.readAllStandardOutput());
        };
        QVERIFY(build().contains("\"Paper Album\" unchanged"));
        QVERIFY(QFile::remove(again + "/2/page.mp4"));
        QVERIFY(build().contains("\"Paper Album\" written"));
        QCOMPARE(digest(again + "/2/page.mp4"), digest(kThemes + "/2/page.mp4"));
    }

    void everyThemeRendersAShortProject()
    {
#ifdef LUMAVIVE_SANITIZED
        QSKIP("run by the normal build only (see CMakeLists.txt)");
#endif
        // The program with the built themes as its themes folder.
        TemplateCatalog::use(kThemes + "/");
        QImage photo(900, 600, QImage::Format_RGB32);
        photo.fill(QColor(200, 60, 40));
        QVERIFY(photo.save(dirs.file("photo.jpg")));
        for (const ThemeRecipe& recipe : book) {
            auto project = QSharedPointer<Project>::create();
            project->setThemeId(recipe.id);
            QVector<QSharedPointer<Slide>> slides;
            for (int i = 0; i < recipe.scenes.first().objects.size(); ++i)
                slides << QSharedPointer<ImgSlide>::create(dirs.file("photo.jpg"));
            slides << QSharedPointer<TextSlide>::create("The end");
            project->setSlides(slides);
            QCOMPARE(project->usedSlides(), slides.size());
            const QString out = dirs.file(QStringLiteral("theme%1.mp4").arg(recipe.id));
            QVERIFY2(LibavRender(project, project->templateDescription(), out).render(),
                     qPrintable(recipe.name));
            // Each overlap hands over one frame before the budget's count (the engine writes the
            // leaving scene up to `sceneOverflow` frames before its end).
            const int overlaps = recipe.sceneOverflow > 0 ? project->scenePlan()->size() - 1 : 0;
            const int expected =
                LibavRender::totalFrames(*project, *project->templateDescription()) - overlaps;
            QCOMPARE(OutputProbe::read(out, QRect(0, 0, 8, 8)).frames.size(), expected);
        }
    }

    void themeServerTreeFeedsTheDownload()
    {
        const QString installed = dirs.file("installed/templates");
        const QString tree = dirs.file("server");
        QCOMPARE(QProcess::execute(QStringLiteral(THEMEBUILDER),
                                   {"--out", installed, "--only", "1", "--server-tree", tree,
                                    "--without-videos"}),
                 0);
        QVERIFY(!QFileInfo::exists(installed + "/1/sunset.mp4"));
        QVERIFY(QFileInfo::exists(tree + "/app/1.2.0/themes/1/sunset.mp4"));
        QVERIFY(!QFileInfo::exists(tree + "/app/1.2.0/themes/1/.recipe-sha256"));
        // A static file server on loopback, as `python3 -m http.server` would serve the tree.
        HttpTestServer server;
        QVERIFY(server.listen());
        int requests = 0;
        server.setHandler([tree, &requests](const HttpTestServer::Request& request) {
            ++requests;
            HttpTestServer::Response response;
            QFile file(tree + QString::fromUtf8(request.path));
            if (file.open(QIODevice::ReadOnly))
                response.body = file.readAll();
            else
                response.status = 404;
            return response;
        });
        qputenv("LUMAVIVE_THEME_SERVER", server.baseUrl().toUtf8());
        TemplateCatalog::use(installed + "/");
        const auto theme = loadTemplate(1);
        TmplDownloadManager* manager = TmplDownloadManager::instance();
        QVERIFY(!manager->isDownloaded(theme));
        QSignalSpy done(manager, &TmplDownloadManager::done);
        manager->download(theme);
        QTRY_COMPARE_WITH_TIMEOUT(done.count(), 1, 30000);
        QVERIFY(manager->isDownloaded(theme));
        QCOMPARE(digest(installed + "/1/sunset.mp4"),
                 digest(tree + "/app/1.2.0/themes/1/sunset.mp4"));
        QCOMPARE(requests, 1); // seven scenes show it: fetched once
    }
};

QTEST_MAIN(TestThemes)
#include "tst_themes.moc"
