#include "MediaFixtures.h"
#include "TestDirs.h"
#include "ThemeFixture.h"
#include "app/ProjectPres.h"
#include "app/SavedProjectsPres.h"
#include "app/SlidesListModel.h"
#include "app/TextSlidePres.h"
#include "project/ImgSlide.h"

#include <QSignalSpy>
#include <QtTest>

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
        QDir::setCurrent(dirs.path());
        const ThemeFixture::ThemeSpec theme = ThemeFixture::photoAndText(1);
        QVERIFY(ThemeFixture::write("templates", theme));
        presenter = ProjectPres::instance();
        presenter->setThemeId(1);
        for (const char* name : {"a.m4a", "b.m4a"}) {
            MediaFixtures::AudioSpec music;
            music.seconds = 2.5;
            music.title = QString::fromLatin1(name).toUpper();
            QVERIFY(MediaFixtures::writeAudio(dirs.file(name), music));
        }
    }

    // First: the automatic save counter is shared by the whole run.
    void savingNeedsFiveRowsAndAutoSavesEveryFifthChange()
    {
        clear();
        SavedProjectsPres* store = SavedProjectsPres::instance();
        QCOMPARE(store->rowCount(), 0); // nothing saved before this run
        QCOMPARE(store->hasMore(), false);
        const QString folder = SavedProjectsPres::projectsFolder();
        presenter->project()->setId(QString());
        for (int i = 0; i < 4; ++i)
            presenter->addTextSlide(QString::number(i));
        presenter->save();
        QVERIFY(presenter->project()->id().isEmpty()); // four rows: not saved
        presenter->addTextSlide("5");                  // the first qualifying change saves
        const QString id = presenter->project()->id();
        QVERIFY(!id.isEmpty());
        QVERIFY(QFileInfo::exists(folder + id + "/prj.xml"));
        QFile::remove(folder + id + "/prj.xml");
        for (int i = 0; i < 4; ++i)
            presenter->editTextSlide(0, "edit"); // edits are not changes of rows
        for (int i = 0; i < 4; ++i) {
            presenter->addTextSlide("more");
            QCOMPARE(QFileInfo::exists(folder + id + "/prj.xml"), false);
        }
        presenter->addTextSlide("fifth");
        QVERIFY(QFileInfo::exists(folder + id + "/prj.xml"));
        presenter->save();
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

    // File choosers and drops hand over a QList<QUrl> (their fileUrls and urls), not a list of
    // variants.
    void takesTheUrlListsQmlHandsOver()
    {
        clear();
        const QList<QUrl> chosen{QUrl::fromLocalFile(picture("q1.png")),
                                 QUrl::fromLocalFile(picture("q2.png"))};
        QVERIFY(presenter->checkUrls(QVariant::fromValue(chosen)));
        presenter->addImages(QVariant::fromValue(chosen));
        QCOMPARE(presenter->slidesNumber(), 2);
        const QList<QUrl> dropped{QUrl::fromLocalFile(picture("q3.png"))};
        QVERIFY(presenter->insertFiles(0, QVariant::fromValue(dropped)));
        QCOMPARE(presenter->slidesNumber(), 3);
        QVERIFY(!presenter->checkUrls(
            QVariant::fromValue(QList<QUrl>{QUrl::fromLocalFile(dirs.file("a.txt"))})));
    }

    void foldersAddPicturesByCaseSensitiveSuffix()
    {
        clear();
        QDir().mkpath(dirs.file("album"));
        picture("album/b.jpg");
        picture("album/A.png");
        picture("album/c.JPG");
        picture("album/d.jpeg");
        picture("album/notes.txt");
        QSignalSpy bottom(presenter, &ProjectPres::scrollToBottom);
        presenter->addImagesFolder(QVariantList{QUrl::fromLocalFile(dirs.file("album")),
                                                QUrl::fromLocalFile(dirs.file("nowhere"))});
        QCOMPARE(rowPaths(), QStringList({"A.png", "b.jpg", "d.jpeg"}));
        QCOMPARE(presenter->slidesNumber(), 3);
        QCOMPARE(bottom.count(), 1);
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

    void textSlides()
    {
        clear();
        presenter->addTextSlide("  Summer  ");
        auto* row = qobject_cast<TextSlidePres*>(model->rowAt(0));
        QVERIFY(row);
        QCOMPARE(row->text(), QStringLiteral("Summer"));
        presenter->editTextSlide(0, "  Winter  ");
        QCOMPARE(row->text(), QStringLiteral("  Winter  "));
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

        presenter->addAudio(QVariantList{QUrl::fromLocalFile(dirs.file("b.m4a")),
                                         QUrl::fromLocalFile(dirs.file("broken.m4a"))});
        QCOMPARE(presenter->audioFilesCount(), 2);
        QCOMPARE(presenter->audioTracksText(), QStringLiteral("2 Audio Files"));
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
