// Saved projects under faults: damaged files open with what can be read and keep the original,
// a full disk keeps the last good save, and a program killed in the middle of its automatic
// saves leaves every saved project loadable.
#include "FullDisk.h"
#include "TestDirs.h"
#include "ThemeFixture.h"
#include "app/SavedProjectsPres.h"
#include "base/CommonError.h"
#include "project/ImgSlide.h"
#include "project/ProjectFile.h"
#include "project/TextSlide.h"
#include "templates/TemplateCatalog.h"

#include <QProcess>
#include <QRandomGenerator>
#include <QSignalSpy>
#include <QtTest>

#include <csignal>

class TestProjectFaults : public QObject
{
    Q_OBJECT

    TestDirs dirs;
    QString folder;
    QStringList photos;

    QByteArray wholeProject()
    {
        Project project;
        project.setThemeId(1);
        project.setSlides({QSharedPointer<ImgSlide>::create(photos[0], 1),
                           QSharedPointer<TextSlide>::create("A summer"),
                           QSharedPointer<ImgSlide>::create(photos[1])});
        return ProjectFile::projectXml(project);
    }

    static QList<QPair<QString, QByteArray>> damagedFiles(const QByteArray& whole)
    {
        return {{"cut inside the slides", whole.left(whole.indexOf("A summer"))},
                {"cut after the slides", whole.left(whole.lastIndexOf("</slides>") + 9)},
                {"cut in the first line", whole.left(20)},
                {"empty", QByteArray()},
                {"binary", QByteArray(3000, '\x01')},
                {"another document", QByteArray("<html><body>hi</body></html>")}};
    }

    // The list is read when the store starts: projects are planted before.
    static int row(const QString& id)
    {
        SavedProjectsPres* store = SavedProjectsPres::instance();
        store->showMore(1000);
        for (int row = 0; row < store->rowCount(); ++row)
            if (store->data(store->index(row), SavedProjectsPres::NameRole).toString() == id)
                return row;
        return -1;
    }

    // A saved project whose "prj.xml" holds `bytes`.
    void plant(const QString& id, const QByteArray& bytes)
    {
        QDir().mkpath(folder + id);
        ProjectInfo info;
        info.name = id;
        info.slidesnumber = 3;
        ProjectFile::writeInfo(folder + id + "/info.xml", info);
        QFile file(folder + id + "/prj.xml");
        file.open(QIODevice::WriteOnly | QIODevice::Truncate);
        file.write(bytes);
    }

    static QByteArray bytesOf(const QString& path)
    {
        QFile file(path);
        return file.open(QIODevice::ReadOnly) ? file.readAll() : QByteArray();
    }

private slots:
    void initTestCase()
    {
        QCoreApplication::setOrganizationName("Merrowdale");
        QCoreApplication::setApplicationName("Lumavive");
        TemplateCatalog::use(dirs.file("templates/"));
        QVERIFY(ThemeFixture::write(dirs.file("templates"), ThemeFixture::photoAndText(1)));
        folder = SavedProjectsPres::projectsFolder();
        QVERIFY(folder.startsWith(dirs.path()));
        for (const QColor& color : {QColor(Qt::red), QColor(Qt::blue), QColor(Qt::green)}) {
            photos << dirs.picture(color.name() + ".jpg", color, QSize(400, 300));
            QVERIFY(!photos.last().isEmpty());
        }
        for (const auto& damaged : damagedFiles(wholeProject()))
            plant(damaged.first, damaged.second);
        plant("whole", wholeProject());
    }

    void damagedProjectsKeepTheirOriginal_data()
    {
        QTest::addColumn<QByteArray>("bytes");
        QTest::addColumn<int>("slides");
        for (const auto& damaged : damagedFiles(wholeProject()))
            QTest::newRow(qPrintable(damaged.first))
                << damaged.second << (damaged.first == "cut after the slides" ? 3 : 0);
    }

    void damagedProjectsKeepTheirOriginal()
    {
        QFETCH(QByteArray, bytes);
        QFETCH(int, slides);
        const QString id = QTest::currentDataTag();
        const int row = TestProjectFaults::row(id);
        QVERIFY(row >= 0);
        QSignalSpy messages(CommonError::instance(), &CommonError::problem);
        QStringList missing;
        const auto project = SavedProjectsPres::instance()->loadProject(row, &missing);
        QVERIFY(project);
        QCOMPARE(project->slides().size(), slides);
        QCOMPARE(messages.count(), 1);
        QVERIFY(messages.first().at(1).toString().contains("prj.xml.damaged"));
        QCOMPARE(bytesOf(folder + id + "/prj.xml.damaged"), bytes);

        // Opening it again (after an automatic save replaced it, say) keeps both copies.
        QVERIFY(SavedProjectsPres::instance()->loadProject(row, &missing));
        QCOMPARE(bytesOf(folder + id + "/prj.xml.damaged-2"), bytes);
        QCOMPARE(bytesOf(folder + id + "/prj.xml.damaged"), bytes);
    }

    void wholeProjectsOpenQuietly()
    {
        const int row = TestProjectFaults::row("whole");
        QSignalSpy messages(CommonError::instance(), &CommonError::problem);
        QStringList missing;
        const auto project = SavedProjectsPres::instance()->loadProject(row, &missing);
        QCOMPARE(project->slides().size(), 3);
        QCOMPARE(messages.count(), 0);
        QVERIFY(!QFileInfo::exists(folder + "whole/prj.xml.damaged"));
    }

    void fullDiskKeepsTheLastGoodSave()
    {
        auto project = QSharedPointer<Project>::create();
        project->setThemeId(1);
        project->setSlides({QSharedPointer<TextSlide>::create("first")});
        const QString id = SavedProjectsPres::instance()->saveProject(project);
        QVERIFY(!id.isEmpty());
        const QByteArray before = bytesOf(folder + id + "/prj.xml");

        QVector<QSharedPointer<Slide>> many;
        for (int i = 0; i < 2000; ++i)
            many << QSharedPointer<TextSlide>::create(QString(40, QChar('a' + i % 26)));
        project->setSlides(many);
        QSignalSpy messages(CommonError::instance(), &CommonError::problem);
        QString saved;
        {
            FullDisk full(8000);
            QVERIFY(full.active());
            saved = SavedProjectsPres::instance()->saveProject(project);
        }
        QVERIFY(saved.isEmpty());
        QVERIFY(messages.count() >= 1);
        QVERIFY(messages.last().at(1).toString().startsWith("The project could not be saved"));
        QCOMPARE(bytesOf(folder + id + "/prj.xml"), before);
        QCOMPARE(SavedProjectsPres::instance()->saveProject(project), id); // room again: saved
    }

    // The program killed at random moments of a stream of automatic saves: whatever it left,
    // every listed project reads back whole.
    void killedDuringAutosavesLosesNothing()
    {
        const QStringList before = QDir(folder).entryList(QDir::Dirs | QDir::NoDotAndDotDot);
        QRandomGenerator random(61206);
        int kills = 0;
        for (int run = 0; run < 30; ++run) {
            QProcess worker;
            worker.start(AUTOSAVE_WORKER, QStringList{dirs.path()} + photos);
            QVERIFY2(worker.waitForStarted(), qPrintable(worker.errorString()));
            QVERIFY(worker.waitForReadyRead(60000));
            QVERIFY(worker.readAll().contains("editing"));
            QTest::qWait(random.bounded(1, 120));
            ::kill(worker.processId(), SIGKILL);
            QVERIFY(worker.waitForFinished(10000));
            kills += worker.exitStatus() == QProcess::CrashExit;
        }
        QVERIFY(kills >= 25);
        int checked = 0;
        const QStringList ids = QDir(folder).entryList(QDir::Dirs | QDir::NoDotAndDotDot);
        for (const QString& id : ids) {
            if (before.contains(id))
                continue;
            if (!QFileInfo::exists(folder + id + "/info.xml"))
                continue; // never listed: a first save cut short before it was complete
            bool ok = false;
            ProjectFile::readInfo(folder + id + "/info.xml", &ok);
            QVERIFY2(ok, qPrintable(id));
            bool damaged = true;
            QStringList missing;
            const auto project =
                ProjectFile::readProject(folder + id + "/prj.xml", &missing, &damaged);
            QVERIFY2(!damaged, qPrintable(id));
            QVERIFY(project->slides().size() >= 6);
            ++checked;
        }
        QVERIFY(checked >= 25);
    }
};

QTEST_MAIN(TestProjectFaults)
#include "tst_project_faults.moc"
