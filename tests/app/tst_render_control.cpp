#include "TestDirs.h"
#include "ThemeFixture.h"
#include "app/ImageProvider.h"
#include "app/ProjectPres.h"
#include "app/RenderPres.h"
#include "app/SettingsPres.h"
#include "templates/TemplateCatalog.h"

#include <QSignalSpy>
#include <QtTest>

class TestRenderControl : public QObject
{
    Q_OBJECT

    TestDirs dirs;
    RenderPres* render = nullptr;

    QStringList videos() const
    {
        return QDir(dirs.file("videos")).entryList({"*.mp4"}, QDir::Files, QDir::Name);
    }

private slots:
    void initTestCase()
    {
        QCoreApplication::setOrganizationName("Merrowdale");
        QCoreApplication::setApplicationName("Lumavive");
        TemplateCatalog::use(dirs.file("templates/"));
        ThemeFixture::ThemeSpec theme;
        theme.id = 1;
        ThemeFixture::SceneSpec scene;
        scene.frames = 100;
        theme.scenes = {scene};
        QVERIFY(ThemeFixture::write(dirs.file("templates"), theme));
        QImage photo(160, 120, QImage::Format_RGB32);
        photo.fill(Qt::red);
        QVERIFY(photo.save(dirs.file("photo.png")));
        ProjectPres::instance()->setThemeId(1);
        ProjectPres::instance()->addImages(
            QVariantList{QUrl::fromLocalFile(dirs.file("photo.png"))});
        SettingsPres::instance()->setSaveDir(dirs.file("videos"));
        render = RenderPres::instance();
    }

    void renderReportsProgressAndPreviews()
    {
        QSignalSpy progress(render, &RenderPres::progressChanged);
        QSignalSpy previews(render, &RenderPres::previewChanged);
        QSignalSpy done(render, &RenderPres::done);
        QStringList shown;
        const auto watch =
            connect(render, &RenderPres::previewChanged, this, [&] { shown << render->preview(); });
        render->start();
        QVERIFY(render->isRendering());
        render->start(); // refused while the first runs
        QTRY_COMPARE_WITH_TIMEOUT(done.count(), 1, 60000);
        QVERIFY(!render->isRendering());
        QCOMPARE(progress.count(), 1 + 100); // start() announces, then once per frame
        QCOMPARE(render->progress(), 100);
        // start() clears the last render's picture, then frames 1, 31, 61 and 91.
        QCOMPARE(previews.count(), 1 + 4);
        disconnect(watch);
        QVERIFY(shown.first().isEmpty());
        QSize size;
        // Each preview is released once the next one shows: a long render keeps one picture.
        for (const QString& earlier : shown.mid(1, shown.size() - 2))
            QVERIFY(ImageProvider::instance()->requestImage(earlier, &size, {}).isNull());
        QCOMPARE(ImageProvider::instance()->requestImage(render->preview(), &size, {}).height(),
                 300);
        QCOMPARE(videos().size(), 1);
        QVERIFY(render->resultPath().endsWith(videos().first()));
        QVERIFY(QFileInfo(render->resultPath()).fileName().startsWith("slideshow_"));
    }

    void progressIsTruncated()
    {
        render->onProgress(99.9f);
        QCOMPARE(render->progress(), 99);
    }

    void secondRenderKeepsTheFirstFile()
    {
        QSignalSpy done(render, &RenderPres::done);
        const int renders = videos().isEmpty() ? 2 : 1; // run alone, it makes the first one too
        for (int k = 1; k <= renders; ++k) {
            render->start();
            QTRY_COMPARE_WITH_TIMEOUT(done.count(), k, 60000);
        }
        QCOMPARE(videos().size(), 2);

        const QString names = dirs.file("names");
        QDir().mkpath(names);
        const QDateTime when(QDate(2024, 3, 9), QTime(14, 5, 33));
        QStringList taken;
        for (int i = 0; i < 3; ++i) {
            const QString path = RenderPres::outputPathIn(names, when);
            taken << QFileInfo(path).fileName();
            QFile(path).open(QIODevice::WriteOnly);
        }
        QCOMPARE(taken,
                 QStringList({"slideshow_2024.03.09_14.05.mp4", "slideshow_2024.03.09_14.05_2.mp4",
                              "slideshow_2024.03.09_14.05_3.mp4"}));
        // A titled project names its videos, as far as file names allow.
        for (const auto& [title, name] : {std::pair{"Summer in Rome", "Summer in Rome.mp4"},
                                          {"a/b:c*?", "a_b_c__.mp4"},
                                          {"..hidden", "hidden.mp4"},
                                          {"  ", "slideshow_2024.03.09_14.05_4.mp4"}}) {
            const QString path = RenderPres::outputPathIn(names, when, title);
            QCOMPARE(QFileInfo(path).fileName(), QString::fromUtf8(name));
            QCOMPARE(QFileInfo(path).absolutePath(), QFileInfo(names).absoluteFilePath());
        }
    }

    // A render that fails says why where the person watches it (the rendering screen shows
    // `failure`), and the next one starts clean.
    void aFailedRenderSaysWhy()
    {
        ThemeFixture::ThemeSpec broken;
        broken.id = 2;
        ThemeFixture::SceneSpec scene;
        scene.frames = 30;
        scene.video = true;
        broken.scenes = {scene};
        QVERIFY(ThemeFixture::write(dirs.file("templates"), broken));
        QFile video(dirs.file("templates/2/1.mp4"));
        QVERIFY(video.open(QIODevice::WriteOnly | QIODevice::Truncate));
        video.write(QByteArray(4096, 'x'));
        video.close();
        ProjectPres::instance()->setThemeId(2);
        QSignalSpy failed(render, &RenderPres::error);
        QVERIFY(render->start());
        QTRY_COMPARE_WITH_TIMEOUT(failed.count(), 1, 60000);
        QVERIFY2(render->failure().contains("templates/2/1.mp4"), qPrintable(render->failure()));
        ProjectPres::instance()->setThemeId(1);
        QSignalSpy done(render, &RenderPres::done);
        QVERIFY(render->start());
        QVERIFY(render->failure().isEmpty());
        QTRY_COMPARE_WITH_TIMEOUT(done.count(), 1, 60000);
    }
};

QTEST_MAIN(TestRenderControl)
#include "tst_render_control.moc"
