#include "HttpTestServer.h"
#include "OutputProbe.h"
#include "TestDirs.h"
#include "ThemeBook.h"
#include "engine/LibavRender.h"
#include "media/VideoInput.h"
#include "project/ImgSlide.h"
#include "project/Project.h"
#include "project/TextSlide.h"
#include "templates/ImgScene.h"
#include "templates/TemplateCatalog.h"
#include "templates/TemplateParser.h"
#include "templates/TextScene.h"
#include "templates/TmplDownloadManager.h"

#include <QCryptographicHash>
#include <QProcess>
#include <QSignalSpy>
#include <QtTest>

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
        QVERIFY(book.size() >= 6);
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
                QCOMPARE(scene->bgType, sceneRecipe.video ? 1 : 2);
                sceneRecipe.video ? ++videos : ++stills;
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
        QVERIFY(videos >= 6);
        QVERIFY(stills >= 6);
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

    void everyReferencedFileExists()
    {
        TemplateCatalog catalog(kThemes + "/");
        QCOMPARE(catalog.entries().size(), book.size());
        for (const ThemeRecipe& recipe : book) {
            const QString folder = kThemes + "/" + QString::number(recipe.id) + "/";
            QCOMPARE(catalog.entry(recipe.id).name, recipe.name);
            QVERIFY(!QImage(folder + "thumb.jpg").isNull());
            QCOMPARE(QImage(folder + "thumb-prj.jpg").size(), QSize(600, 336));
            const auto theme = parseTheme(kThemes, recipe.id);
            for (const QSharedPointer<Scene>& scene : *theme->scenes) {
                QVERIFY2(QFileInfo::exists(folder + scene->bgFileName),
                         qPrintable(scene->bgFileName));
                // Videos, which may come from the theme server, are vouched for by hash and size.
                if (scene->bgType == Scene::VideoBackground) {
                    QCOMPARE(scene->bgSha256, digest(folder + scene->bgFileName).toHex());
                    QCOMPARE(scene->bgSize, QFileInfo(folder + scene->bgFileName).size());
                }
                if (const auto texts = scene.dynamicCast<TextScene>()) {
                    for (const auto& object : *texts->objects) {
                        if (!object->texture.isEmpty())
                            QVERIFY(!QImage(folder + object->texture).isNull());
                        QVERIFY(!object->slideBackground.isEmpty());
                        const QString name = QFileInfo(object->slideBackground).fileName();
                        QVERIFY(!QImage(folder + name).isNull());
                    }
                }
            }
        }
    }

    // Each video background and its HD copy (which the description names), at their sizes.
    void videosHaveTheirSceneLength()
    {
        for (const ThemeRecipe& recipe : book) {
            const auto theme = parseTheme(kThemes, recipe.id);
            for (const SceneRecipe& scene : recipe.scenes) {
                if (!scene.video)
                    continue;
                const QString hdName = theme->scenes->value(scene.id)->bgHdFileName;
                QCOMPARE(hdName, QStringLiteral("%1-hd.mp4").arg(scene.id));
                for (const QSize size : {QSize(1920, 1080), QSize(1280, 720)}) {
                    const QString name =
                        size.height() == 1080 ? QStringLiteral("%1.mp4").arg(scene.id) : hdName;
                    VideoInput input(kThemes + QStringLiteral("/%1/").arg(recipe.id) + name);
                    QCOMPARE(QSize(input.codecContext()->width, input.codecContext()->height),
                             size);
                    libav::FramePtr frame = libav::makeFrame();
                    frame->format = AV_PIX_FMT_BGRA;
                    frame->width = 64;
                    frame->height = 36;
                    av_frame_get_buffer(frame.get(), 32);
                    int count = 0;
                    while (input.readFrame(frame.get()))
                        ++count;
                    QCOMPARE(count, scene.frames);
                }
            }
        }
    }

    void buildingAgainGivesTheSameBytes()
    {
        const QString again = dirs.file("again");
        QCOMPARE(QProcess::execute(QStringLiteral(THEMEBUILDER), {"--out", again, "--only", "2"}),
                 0);
        const QStringList files = QDir(kThemes + "/2").entryList(QDir::Files, QDir::Name);
        QCOMPARE(QDir(again + "/2").entryList(QDir::Files, QDir::Name), files);
        for (const QString& file : files)
            QVERIFY2(digest(kThemes + "/2/" + file) == digest(again + "/2/" + file),
                     qPrintable(file));
    }

    void everyThemeRendersAShortProject()
    {
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
        QVERIFY(!QFileInfo::exists(installed + "/1/1.mp4"));
        QVERIFY(QFileInfo::exists(tree + "/app/1.2.0/themes/1/1.mp4"));
        // A static file server on loopback, as `python3 -m http.server` would serve the tree.
        HttpTestServer server;
        QVERIFY(server.listen());
        server.setHandler([tree](const HttpTestServer::Request& request) {
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
        QCOMPARE(digest(installed + "/1/2.mp4"), digest(tree + "/app/1.2.0/themes/1/2.mp4"));
    }
};

QTEST_MAIN(TestThemes)
#include "tst_themes.moc"
