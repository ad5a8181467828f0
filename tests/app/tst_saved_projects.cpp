#include "TestDirs.h"
#include "ThemeFixture.h"
#include "app/ProjectPres.h"
#include "app/SavedProjectImageProvider.h"
#include "app/SavedProjectsPres.h"
#include "app/SlidesListModel.h"
#include "base/CommonError.h"
#include "engine/ProjectPreviews.h"
#include "images/ThumbGenerator.h"
#include "project/ImgSlide.h"
#include "project/ProjectFile.h"
#include "project/TextSlide.h"
#include "templates/TemplateCatalog.h"

#include <QSignalSpy>
#include <QtTest>

#include <utime.h>

class TestSavedProjects : public QObject
{
    Q_OBJECT

    TestDirs dirs;
    QString folder;
    SavedProjectsPres* store = nullptr;

    // A saved project folder with its info.xml, saved `age` minutes ago.
    void plant(const QString& id, int age, const QString& slidePath = QString())
    {
        QDir().mkpath(folder + id);
        ProjectInfo info;
        info.name = "Theme of " + id;
        info.slidesnumber = age;
        QVERIFY(ProjectFile::writeInfo(folder + id + "/info.xml", info));
        Project project;
        project.setThemeId(1);
        if (!slidePath.isEmpty())
            project.setSlides({QSharedPointer<ImgSlide>::create(slidePath, 1),
                               QSharedPointer<TextSlide>::create("hi"),
                               QSharedPointer<ImgSlide>::create(dirs.file("deleted.png"))});
        QVERIFY(ProjectFile::writeProject(folder + id + "/prj.xml", project));
        const time_t when = time(nullptr) - age * 60;
        utimbuf times{when, when};
        utime(QFile::encodeName(folder + id + "/info.xml").constData(), &times);
        utime(QFile::encodeName(folder + id).constData(), &times);
    }

    QString picture(const QString& name, QColor color = Qt::gray)
    {
        return dirs.picture(name, color, QSize(300, 200), "PNG");
    }

    QStringList visibleNames() const
    {
        QStringList names;
        for (int row = 0; row < store->rowCount(); ++row)
            names << store->data(store->index(row), SavedProjectsPres::NameRole).toString();
        return names;
    }

private slots:
    void initTestCase()
    {
        QCoreApplication::setOrganizationName("Merrowdale");
        QCoreApplication::setApplicationName("Lumavive");
        TemplateCatalog::use(dirs.file("templates/"));
        const ThemeFixture::ThemeSpec theme = ThemeFixture::photoAndText(1);
        QVERIFY(ThemeFixture::write(dirs.file("templates"), theme));
        QImage cover(600, 336, QImage::Format_RGB32);
        cover.fill(Qt::darkBlue);
        QVERIFY(cover.save(dirs.file("templates/1/thumb-prj.jpg")));

        folder = SavedProjectsPres::projectsFolder();
        QVERIFY(folder.startsWith(dirs.path()));
        picture("photo.png", Qt::red);
        for (int i = 0; i < 7; ++i)
            plant(QStringLiteral("{p%1}").arg(i), i + 1, dirs.file("photo.png"));
        QDir().mkpath(folder + "no-info"); // skipped: its info.xml cannot be read
        store = SavedProjectsPres::instance();
    }

    void pagingThroughSevenProjects()
    {
        QCOMPARE(store->allRecords().size(), 7);
        QCOMPARE(store->rowCount(), 1);
        QCOMPARE(visibleNames(), QStringList({"Theme of {p0}"})); // newest first
        QVERIFY(store->hasMore());
        store->showMore(5);
        QCOMPARE(store->rowCount(), 6);
        QVERIFY(store->hasMore());
        // The window's "load more" follows the announcement, not the value.
        QSignalSpy more(store, &SavedProjectsPres::hasMoreChanged);
        store->showMore(5);
        QCOMPARE(store->rowCount(), 7);
        QVERIFY(!store->hasMore());
        QVERIFY(!more.isEmpty());
        store->hideAll();
        QCOMPARE(store->rowCount(), 1);
        const QModelIndex first = store->index(0);
        QCOMPARE(store->data(first, SavedProjectsPres::ThumbRole).toString(),
                 QStringLiteral("{p0}/0"));
        QCOMPARE(store->data(first, SavedProjectsPres::ImgsRole).toStringList().size(), 5);
        QCOMPARE(store->data(first, SavedProjectsPres::SlidesCountRole).toInt(), 1);
        QVERIFY(!store->data(first, SavedProjectsPres::LastModifiedRole).toString().isEmpty());
        QVERIFY(!store->data(store->index(3), 9999).isValid());
    }

    void loadingRebuildsTheProject()
    {
        ProjectPres* presenter = ProjectPres::instance();
        QSignalSpy missed(presenter, &ProjectPres::missedImageFiles);
        presenter->loadPrj(0);
        QCOMPARE(presenter->project()->id(), QStringLiteral("{p0}"));
        QCOMPARE(presenter->themeId(), 1);
        QCOMPARE(presenter->slidesNumber(), 2);
        QCOMPARE(SlidesListModel::instance()->rowCount(), 2);
        QCOMPARE(missed.count(), 1);
        QCOMPARE(missed.at(0).at(0).toStringList(), QStringList({dirs.file("deleted.png")}));
        const auto image = SlidesListModel::instance()->slides().first().objectCast<ImgSlide>();
        QCOMPARE(image->rotation(), 1);
        presenter->loadPrj(99); // nothing there: nothing changes
        QCOMPARE(presenter->project()->id(), QStringLiteral("{p0}"));
    }

    void deletingShowsTheNextOne()
    {
        QSignalSpy deleted(store, &SavedProjectsPres::projectDeleted);
        QVERIFY(!store->remove(-1));
        QVERIFY(!store->remove(42));
        QCOMPARE(store->allRecords().size(), 7);
        QVERIFY(store->remove(0));
        QCOMPARE(deleted.count(), 1);
        QCOMPARE(deleted.at(0).at(0).toString(), QStringLiteral("{p0}"));
        QVERIFY(!QFileInfo::exists(folder + "{p0}"));
        QCOMPARE(store->rowCount(), 1);
        QCOMPARE(visibleNames(), QStringList({"Theme of {p1}"}));
        QVERIFY(!SavedProjectsPres::isSafeId(".."));
        QVERIFY(!SavedProjectsPres::isSafeId("a/b"));
        QVERIFY(!SavedProjectsPres::isSafeId(""));
    }

    void savingWritesPreviews()
    {
        auto project = QSharedPointer<Project>::create();
        project->setThemeId(1);
        const QString photo = picture("slide.png", Qt::green);
        project->setSlides({QSharedPointer<ImgSlide>::create(photo),
                            QSharedPointer<TextSlide>::create("Twenty-five characters!!"),
                            QSharedPointer<ImgSlide>::create(photo)});
        QSignalSpy done(ThumbGenerator::instance(), &ThumbGenerator::generated);
        const QString id = store->saveProject(project);
        QCOMPARE(id, project->id());
        QVERIFY(QUuid(id).isNull() == false);
        const QString here = folder + id + "/";
        for (const char* file : {"prj.xml", "info.xml", "thumb.png", "1_thumb.png"})
            QVERIFY2(QFileInfo::exists(here + file), file);
        QVERIFY(!QFileInfo::exists(here + "dummy.tmp"));
        QTRY_VERIFY(QFileInfo::exists(here + "2_thumb.png")); // completed by the thumbnail
        QCOMPARE(QImage(here + "2_thumb.png").size(), QSize(120, 120));
        QCOMPARE(QImage(here + "1_thumb.png").size(), QSize(120, 120));
        const QImage coverPicture(here + "thumb.png");
        QCOMPARE(coverPicture.size(), QSize(600, 336));
        QCOMPARE(coverPicture.pixelColor(300, 168), QColor(Qt::green)); // the photo in its slot
        QCOMPARE(ProjectFile::readInfo(here + "info.xml").slidesnumber, 3);
        QCOMPARE(ProjectPreviews::previewText("Twenty-five characters!!"),
                 QStringLiteral("Twenty-five characte..."));
        QCOMPARE(ProjectPreviews::previewText("Short"), QStringLiteral("Short"));

        // Unchanged slides are not previewed again; vanished positions are cleaned up.
        QFile::remove(here + "thumb.png");
        QImage(1, 1, QImage::Format_RGB32).save(here + "4_thumb.png");
        project->setSlides({project->slides()[0], project->slides()[1]});
        store->saveProject(project);
        QVERIFY(!QFileInfo::exists(here + "thumb.png"));
        QVERIFY(!QFileInfo::exists(here + "2_thumb.png"));
        QVERIFY(!QFileInfo::exists(here + "4_thumb.png"));
        QVERIFY(QFileInfo::exists(here + "1_thumb.png"));

        // The removed third slide comes back at the same place: its preview is made again.
        project->setSlides(
            {project->slides()[0], project->slides()[1], QSharedPointer<ImgSlide>::create(photo)});
        store->saveProject(project);
        QTRY_VERIFY(QFileInfo::exists(here + "2_thumb.png"));

        // Another project with the same content still gets its previews.
        auto twin = QSharedPointer<Project>::create();
        twin->setThemeId(1);
        twin->setSlides(project->slides());
        const QString twinId = store->saveProject(twin);
        QVERIFY(QFileInfo::exists(folder + twinId + "/thumb.png"));

        // A project that opens with a text gets a cover too.
        auto opening = QSharedPointer<Project>::create();
        opening->setThemeId(1);
        opening->setSlides({QSharedPointer<TextSlide>::create("Hello")});
        QVERIFY(QFileInfo::exists(folder + store->saveProject(opening) + "/thumb.png"));
    }

    void failedSavesAreReported()
    {
        auto project = QSharedPointer<Project>::create();
        project->setId("{blocked}");
        QFile blocker(folder + "{blocked}");
        QVERIFY(blocker.open(QIODevice::WriteOnly)); // a file where the folder should be
        blocker.close();
        QSignalSpy errors(CommonError::instance(), &CommonError::problem);
        QCOMPARE(store->saveProject(project), QString());
        QCOMPARE(errors.count(), 1);
        project->setId("../escape");
        QCOMPARE(store->saveProject(project), QString());
        QVERIFY(!QFileInfo::exists(folder + "../escape"));
    }

    void previewsAreServedSafely_data()
    {
        QTest::addColumn<QString>("id");
        QTest::addColumn<bool>("served");
        QTest::newRow("encoded braces") << "%7Bp1%7D/0" << true;
        QTest::newRow("plain braces") << "{p1}/0" << true;
        QTest::newRow("small preview") << "{p1}/1" << true;
        QTest::newRow("no such preview") << "{p1}/5" << false;
        QTest::newRow("traversal") << "../../x/0" << false;
        QTest::newRow("dot dot") << "../0" << false;
        QTest::newRow("three parts") << "{p1}/0/0" << false;
        QTest::newRow("not a number") << "{p1}/../../x" << false;
    }
    void previewsAreServedSafely()
    {
        QFETCH(QString, id);
        QFETCH(bool, served);
        QImage(10, 10, QImage::Format_RGB32).save(folder + "{p1}/thumb.png");
        QImage(12, 12, QImage::Format_RGB32).save(folder + "{p1}/1_thumb.png");
        QSize size(-1, -1);
        const QImage picture = SavedProjectImageProvider::instance()->requestImage(id, &size, {});
        QCOMPARE(!picture.isNull(), served);
        QCOMPARE(size, picture.size());
    }
};

QTEST_MAIN(TestSavedProjects)
#include "tst_saved_projects.moc"
