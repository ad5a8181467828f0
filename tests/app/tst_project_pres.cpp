#include "MediaFixtures.h"
#include "TestDirs.h"
#include "ThemeFixture.h"
#include "app/ProjectPres.h"
#include "app/SavedProjectsPres.h"
#include "app/SkippedFilesNotice.h"
#include "app/SlidesListModel.h"
#include "app/TextSlidePres.h"
#include "engine/PlanPlayer.h"
#include "project/ImgSlide.h"
#include "project/TextSlide.h"
#include "templates/TemplateCatalog.h"

#include <QSignalSpy>
#include <QtTest>

static QString readFile(const QString& path)
{
    QFile file(path);
    return file.open(QIODevice::ReadOnly) ? QString::fromUtf8(file.readAll()) : QString();
}

class TestProjectPres : public QObject
{
    Q_OBJECT

    TestDirs dirs;
    ProjectPres* presenter = nullptr;
    SlidesListModel* model = SlidesListModel::instance();

    QString picture(const QString& name)
    {
        return dirs.picture(name, Qt::gray, QSize(64, 48), "PNG");
    }

    QStringList rowPaths() const
    {
        QStringList paths;
        for (const auto& slide : model->slides())
            if (const auto image = slide.objectCast<ImgSlide>())
                paths << QFileInfo(image->path()).fileName();
        return paths;
    }

    // Empties the project. Bounded: a removal that takes nothing fails here at once instead of
    // spinning until the test's time-out.
    void clear()
    {
        for (int left = model->rowCount() + 1; model->rowCount() > 0 && left > 0; --left)
            presenter->removeSlide(0);
        for (int left = presenter->audioFilesCount() + 1;
             presenter->audioFilesCount() > 0 && left > 0; --left)
            presenter->removeAudio(0);
        QVERIFY2(model->rowCount() == 0 && presenter->audioFilesCount() == 0,
                 "removing rows and tracks one by one must empty the project");
    }

private slots:
    void initTestCase()
    {
        QCoreApplication::setOrganizationName("Merrowdale");
        QCoreApplication::setApplicationName("Lumavive");
        TemplateCatalog::use(dirs.file("templates/"));
        const ThemeFixture::ThemeSpec theme = ThemeFixture::photoAndText(1);
        QVERIFY(ThemeFixture::write(dirs.file("templates"), theme));
        presenter = ProjectPres::instance();
        presenter->setThemeId(1);
        for (const char* name : {"a.m4a", "b.m4a"}) {
            MediaFixtures::AudioSpec music;
            music.seconds = 2.5;
            music.title = QString::fromLatin1(name).toUpper();
            QVERIFY(MediaFixtures::writeAudio(dirs.file(name), music));
        }
    }

    // First, while nothing is saved: a project is kept from its first slide on; every change,
    // edits and music too, reaches the disk within a second, a burst of them as one save, and
    // save() writes what is pending at once.
    void everyChangeIsSavedWithinASecondAndABurstOnce()
    {
        clear();
        SavedProjectsPres* store = SavedProjectsPres::instance();
        QCOMPARE(store->rowCount(), 0); // nothing saved before this run
        presenter->project()->setId(QString());
        presenter->save();
        QVERIFY(presenter->project()->id().isEmpty()); // nothing in it: not kept

        // Music alone is worth keeping.
        presenter->addAudio(QVariantList{QUrl::fromLocalFile(dirs.file("a.m4a"))});
        QVERIFY(presenter->project()->id().isEmpty()); // not yet: changes come in bursts
        QTRY_VERIFY_WITH_TIMEOUT(!presenter->project()->id().isEmpty(), 2000);
        const QString file =
            SavedProjectsPres::projectsFolder() + presenter->project()->id() + "/prj.xml";
        QVERIFY(readFile(file).contains(dirs.file("a.m4a")));
        QCOMPARE(store->allRecords().value(0).id, presenter->project()->id()); // listed at once
        presenter->addTextSlide("one");

        QSignalSpy saves(store, &SavedProjectsPres::dataChanged);
        for (int i = 0; i < 5; ++i)
            presenter->editTextSlide(0, QStringLiteral("edit %1").arg(i));
        QTest::qWait(1500);
        QCOMPARE(saves.size(), 1);
        QVERIFY(readFile(file).contains("edit 4"));
        // One who keeps on editing is saved every second too, not only after a pause.
        saves.clear();
        for (int i = 0; i < 10; ++i) {
            presenter->editTextSlide(0, QStringLiteral("steady %1").arg(i));
            QTest::qWait(200);
        }
        QVERIFY(!saves.isEmpty());

        presenter->editTextSlide(0, "at once");
        QVERIFY(presenter->save());
        QVERIFY(readFile(file).contains("at once"));
    }

    void timelineText_data()
    {
        QTest::addColumn<double>("duration");
        QTest::addColumn<double>("audio");
        QTest::addColumn<QString>("text");
        QTest::addColumn<int>("value");
        QTest::newRow("with music") << 83.4 << 225.0 << "1:23 / 3:45 " << 37;
        QTest::newRow("without music") << 83.4 << 0.0 << "1:23 " << 100;
        QTest::newRow("one hour") << 3600.0 << 0.0 << "1:00:00 " << 100;
        QTest::newRow("just under") << 3599.0 << 0.0 << "59:59 " << 100;
        QTest::newRow("long music") << 60.0 << 3725.0 << "1:00 / 1:02:05 " << 1;
        // Seconds are cut, never rounded up.
        QTest::newRow("cut, not rounded") << 83.6 << 0.0 << "1:23 " << 100;
        QTest::newRow("cut, with music") << 83.6 << 225.7 << "1:23 / 3:45 " << 37;
    }
    void timelineText()
    {
        QFETCH(double, duration);
        QFETCH(double, audio);
        QFETCH(QString, text);
        QFETCH(int, value);
        int got = 0;
        QCOMPARE(ProjectPres::timelineFor(duration, audio, &got), text);
        QCOMPARE(got, value);
    }

    // A camera's folder: any suffix case, WebP among them; what is left out is named once.
    void foldersTakePhotosByAnySuffixCaseAndNameTheRest()
    {
        clear();
        QDir().mkpath(dirs.file("album"));
        for (const char* name : {"album/b.jpg", "album/A.png", "album/c.JPG", "album/d.jpeg",
                                 "album/e.webp", "album/f.TIFF"})
            QVERIFY2(!picture(name).isEmpty(), name);
        for (const char* name : {"album/notes.txt", "album/broken.jpg"}) {
            QFile file(dirs.file(name));
            QVERIFY(file.open(QIODevice::WriteOnly) && file.write("no picture") > 0);
        }
        QSignalSpy bottom(presenter, &ProjectPres::scrollToBottom);
        QSignalSpy skipped(presenter, &ProjectPres::filesSkipped);
        presenter->addImagesFolder(QVariantList{QUrl::fromLocalFile(dirs.file("album")),
                                                QUrl::fromLocalFile(dirs.file("nowhere"))});
        QCOMPARE(rowPaths(),
                 QStringList({"A.png", "b.jpg", "c.JPG", "d.jpeg", "e.webp", "f.TIFF"}));
        QCOMPARE(bottom.count(), 1);
        QCOMPARE(skipped.count(), 1);
        const QString message = skipped.first().value(1).toString();
        QVERIFY2(message.contains("Files not added: 2.") && message.contains("broken.jpg") &&
                     message.contains("notes.txt"),
                 qPrintable(message));
        // Every kind counted; five names shown, and how many more.
        PictureFolder::Scan scan;
        scan.unreadable = QStringList{"1.jpg", "2.jpg", "3.jpg", "4.jpg", "5.jpg"};
        QCOMPARE(SkippedFilesNotice::message(scan, {"song.mp3"}),
                 QStringLiteral("Files not added: 6.\nPhotos that cannot be read, damaged or in a "
                                "format this system cannot open: 1.jpg, 2.jpg, 3.jpg, 4.jpg, "
                                "5.jpg.\nMusic that cannot be played, damaged or holding no "
                                "sound: song.mp3."));
        scan.unreadable << "6.jpg";
        QVERIFY(SkippedFilesNotice::message(scan, {}).contains("5.jpg, and 1 more."));
    }

    void droppedPicturesLandReversedOnTheirRow()
    {
        clear();
        presenter->addImages(QVariantList{QUrl::fromLocalFile(picture("x.png")),
                                          QUrl::fromLocalFile(picture("y.png"))});
        const QVariantList drop{
            QUrl::fromLocalFile(picture("1.png")), QUrl::fromLocalFile(dirs.file("readme.txt")),
            QUrl::fromLocalFile(picture("2.png")), QUrl::fromLocalFile(picture("3.png"))};
        QVERIFY(presenter->checkUrls(drop));
        QVERIFY(!presenter->checkUrls(QVariantList{QUrl::fromLocalFile(dirs.file("a.txt"))}));
        QVERIFY(presenter->insertFiles(1, drop));
        QCOMPARE(rowPaths(), QStringList({"x.png", "3.png", "2.png", "1.png", "y.png"}));
        QVERIFY(!presenter->insertFiles(0, QVariantList{QUrl::fromLocalFile(dirs.file("a.txt"))}));
        QVERIFY(presenter->insertFiles(-1, QVariantList{QUrl::fromLocalFile(dirs.file("a.m4a"))}));
        QCOMPARE(presenter->audioFilesCount(), 1);
    }

    // Each kind of edit is one step back and forth, rows and thumbnails kept where they were.
    void undoAndRedoEveryKindOfEdit()
    {
        presenter->startNew(); // an empty project with no history
        const auto url = [](const QString& path) { return QUrl::fromLocalFile(path); };
        const auto state = [&] {
            QStringList shown;
            for (const QSharedPointer<Slide>& slide : model->slides()) {
                if (const auto image = slide.objectCast<ImgSlide>())
                    shown << QFileInfo(image->path()).fileName() + "@" +
                                 QString::number(image->rotation());
                else
                    shown << slide.objectCast<TextSlide>()->text();
            }
            return shown.join(",") + QStringLiteral(" music %1 theme %2 timeline %3")
                                         .arg(presenter->audioFilesCount())
                                         .arg(presenter->themeId())
                                         .arg(presenter->timelineText());
        };
        const QList<QPair<QString, std::function<void()>>> steps{
            {"Add Photos",
             [&] {
                 presenter->addImages(QVariantList{url(picture("u1.png")), url(picture("u2.png"))});
             }},
            {"Add Text", [&] { presenter->addTextSlide("Hello"); }},
            {"Edit Text", [&] { presenter->editTextSlide(2, "Bye"); }},
            {"Turn Photo", [&] { presenter->rotate(0, true); }},
            {"Move Slides", [&] { presenter->move({0}, 3); }},
            {"Remove Slide", [&] { presenter->removeSlide(0); }},
            {"Remove Slides",
             [&] {
                 presenter->removeSlides({0, 1});
             }},
            {"Add Music", [&] { presenter->addAudio(QVariantList{url(dirs.file("a.m4a"))}); }},
            {"Change Theme", [&] { presenter->setThemeId(2); }},
        };
        QStringList states{state()};
        for (const auto& [name, step] : steps) {
            const QString before = state();
            step();
            const QString after = state();
            QVERIFY2(after != before, qPrintable(name));
            QCOMPARE(presenter->undoText(), name);
            presenter->undo();
            QCOMPARE(state(), before);
            presenter->redo();
            QCOMPARE(state(), after);
            states << after;
        }
        // All the way back, and forward again.
        for (int k = states.size() - 1; k > 0; --k) {
            QCOMPARE(state(), states[k]);
            presenter->undo();
        }
        QCOMPARE(state(), states.first());
        QVERIFY(!presenter->canUndo());
        while (presenter->canRedo())
            presenter->redo();
        QCOMPARE(state(), states.last());
        presenter->setThemeId(1);
    }

    // The editor's total is the video's length to the frame, as the preview and the render have
    // it: scenes that overlap share frames at each hand-over.
    void theTimelineShowsTheVideosLength()
    {
        ThemeFixture::ThemeSpec theme = ThemeFixture::photoAndText(3);
        theme.scenes[0].frames = 45;
        theme.sceneOverflow = 10;
        QVERIFY(ThemeFixture::write(dirs.file("templates"), theme));
        presenter->startNew();
        presenter->setThemeId(3);
        QVariantList photos;
        for (int i = 0; i < 4; ++i)
            photos << QUrl::fromLocalFile(picture(QStringLiteral("o%1.png").arg(i)));
        presenter->addImages(photos);
        const Project& project = *presenter->project();
        const int frames = PlanPlayer::videoFrames(project, *project.templateDescription());
        int value = 0;
        QCOMPARE(presenter->timelineText(), ProjectPres::timelineFor(frames / 30.0, 0, &value));
        QVERIFY(presenter->timelineText() !=
                ProjectPres::timelineFor(double(project.duration()), 0, &value));
        presenter->startNew();
        presenter->setThemeId(1);
    }

    void textSlides()
    {
        clear();
        presenter->addTextSlide("  Summer  ");
        auto* row = qobject_cast<TextSlidePres*>(model->rowAt(0));
        QVERIFY(row);
        QCOMPARE(row->text(), QStringLiteral("Summer"));
        const QString tile = row->imgId();
        presenter->editTextSlide(0, "  Winter  ");
        QCOMPARE(row->text(), QStringLiteral("  Winter  "));
        QVERIFY(row->imgId() != tile); // the tile shows the new text
    }

    void separatorAndScrolling()
    {
        clear();
        presenter->addAudio(QVariantList{QUrl::fromLocalFile(dirs.file("a.m4a"))});
        QCOMPARE(presenter->audioTracksText(), QStringLiteral("A.M4A"));
        QSignalSpy separator(presenter, &ProjectPres::scrollToSeparator);
        QSignalSpy bottom(presenter, &ProjectPres::scrollToBottom);
        presenter->addImages(QVariantList{QUrl::fromLocalFile(picture("p1.png"))});
        QCOMPARE(bottom.count(), 1);
        // 2.5 s of music holds two 1 s scenes: the third photo falls below the separator.
        presenter->addImages(QVariantList{QUrl::fromLocalFile(picture("p2.png")),
                                          QUrl::fromLocalFile(picture("p3.png"))});
        QCOMPARE(separator.count(), 1);
        QCOMPARE(presenter->usedSlidesNumber(), 2);
        QCOMPARE(model->data(model->index(2), SlidesListModel::TypeRole).toInt(), 1);
        presenter->addImages(QVariantList{QUrl::fromLocalFile(picture("p4.png"))});
        QCOMPARE(separator.count(), 1);
        QCOMPARE(bottom.count(), 2);
        QCOMPARE(presenter->timelineText(), QStringLiteral("0:02 / 0:02 "));

        // Music that opens but holds no sound is refused by name, as is a missing file.
        QFile tagOnly(dirs.file("song.MP3"));
        QVERIFY(tagOnly.open(QIODevice::WriteOnly));
        tagOnly.write(QByteArray("ID3\x03\x00\x00\x00\x00\x00\x00", 10) + QByteArray(4096, '\0'));
        tagOnly.close();
        QSignalSpy refused(presenter, &ProjectPres::filesSkipped);
        presenter->addAudio(QVariantList{QUrl::fromLocalFile(dirs.file("b.m4a")),
                                         QUrl::fromLocalFile(dirs.file("broken.m4a")),
                                         QUrl::fromLocalFile(tagOnly.fileName())});
        QCOMPARE(presenter->audioFilesCount(), 2);
        QCOMPARE(refused.count(), 1);
        QVERIFY(refused.first().value(1).toString().contains("broken.m4a, song.MP3"));
        QCOMPARE(presenter->audioTracksText(), QStringLiteral("2 Audio Files"));
        QCOMPARE(presenter->audioLabel(), QStringLiteral("2 Audio Files"));
        QCOMPARE(presenter->usedSlidesNumber(), 4);
        QCOMPARE(model->rowCount(), 4); // all fit: no separator

        presenter->moveAudioBack(0);    // ignored
        presenter->moveAudioForward(1); // ignored
        QCOMPARE(presenter->audioFiles().first().toMap().value("songName").toString(),
                 QStringLiteral("A.M4A"));
        presenter->moveAudioForward(0);
        QCOMPARE(presenter->audioFiles().first().toMap().value("songName").toString(),
                 QStringLiteral("B.M4A"));
        presenter->removeAudio(7);
        QCOMPARE(presenter->audioFilesCount(), 2);
        presenter->removeAudio(0);
        QCOMPARE(presenter->audioTracksText(), QStringLiteral("A.M4A"));
    }

    void themeChangeShowsAtOnce()
    {
        clear();
        presenter->addImages(QVariantList{QUrl::fromLocalFile(picture("t1.png"))});
        QCOMPARE(presenter->usedSlidesNumber(), 1);
        QSignalSpy used(presenter, &ProjectPres::usedSlidesNumberChanged);
        presenter->setThemeId(42); // no such theme: nothing fits
        QCOMPARE(presenter->usedSlidesNumber(), 0);
        QCOMPARE(used.count(), 1);
        QCOMPARE(model->data(model->index(0), SlidesListModel::TypeRole).toInt(), 1);
        presenter->setThemeId(1);
        QCOMPARE(presenter->usedSlidesNumber(), 1);
    }
};

QTEST_MAIN(TestProjectPres)
#include "tst_project_pres.moc"
