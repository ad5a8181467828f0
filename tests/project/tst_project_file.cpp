#include "MediaFixtures.h"
#include "TestDirs.h"
#include "project/ImgSlide.h"
#include "project/ProjectFile.h"
#include "project/TextSlide.h"
#include "templates/TemplateCatalog.h"

#include <QtTest>

class TestProjectFile : public QObject
{
    Q_OBJECT

    TestDirs dirs;

    QString picture(const QString& name)
    {
        QImage image(8, 8, QImage::Format_RGB32);
        image.fill(Qt::gray);
        image.save(dirs.file(name), "PNG");
        return dirs.file(name);
    }

private slots:
    void initTestCase() { TemplateCatalog::use(dirs.file("templates/")); }

    void emptyProjectBytes()
    {
        Project project;
        UserData settings;
        settings.saveDir = "/home/me/Videos/Lumavive";
        project.setUserData(settings);
        QCOMPARE(ProjectFile::projectXml(project),
                 QByteArray("<?xml version=\"1.0\" encoding=\"UTF-8\"?><userdata template=\"0\" "
                            "quality=\"0\" save-dir=\"/home/me/Videos/Lumavive\"><audio/><slides/>"
                            "</userdata>"));
        ProjectInfo info;
        info.name = "Golden Hour";
        QCOMPARE(ProjectFile::infoXml(info),
                 QByteArray("<?xml version=\"1.0\" encoding=\"UTF-8\"?><project><name>Golden Hour"
                            "</name><audio></audio><slidesnumber>0</slidesnumber></project>"));
    }

    void mixedProjectRoundTrips()
    {
        const QString photo = picture("p.png");
        const QString music = dirs.file("m.m4a");
        MediaFixtures::AudioSpec spec;
        spec.seconds = 0.5;
        QVERIFY(MediaFixtures::writeAudio(music, spec));
        Project project;
        UserData settings;
        settings.quality = 1;
        settings.saveDir = "/out";
        project.setUserData(settings);
        project.setAudio({MediaFileInfo::fromFile(music)});
        const QString text = QStringLiteral("\"Quotes\" & <tags>\nnew line\ttab");
        project.setSlides(
            {QSharedPointer<ImgSlide>::create(photo, -1), QSharedPointer<TextSlide>::create(text)});
        const QByteArray xml = ProjectFile::projectXml(project);
        QVERIFY(xml.startsWith("<?xml version=\"1.0\" encoding=\"UTF-8\"?><userdata template=\"0\" "
                               "quality=\"1\" save-dir=\"/out\"><audio><track src=\""));
        QVERIFY(
            xml.contains("<object type=\"1\" rotation=\"-1\" src=\"" + photo.toUtf8() + "\"/>"));
        QVERIFY(xml.contains("<object type=\"2\" text=\"&quot;Quotes&quot; &amp; &lt;tags&gt;&#10;"
                             "new line&#9;tab\"/></slides></userdata>"));
        QVERIFY(!xml.contains('\n'));

        QVERIFY(ProjectFile::writeProject(dirs.file("prj.xml"), project));
        QStringList missing;
        const auto read = ProjectFile::readProject(dirs.file("prj.xml"), &missing);
        QVERIFY(missing.isEmpty());
        QCOMPARE(read->userData().quality, 1);
        QCOMPARE(read->userData().saveDir, QStringLiteral("/out"));
        QCOMPARE(read->audio().size(), 1);
        QCOMPARE(read->audio().first()->path(), music);
        QCOMPARE(read->slides().size(), 2);
        QCOMPARE(read->slides()[0].objectCast<ImgSlide>()->rotation(), -1);
        QCOMPARE(read->slides()[1].objectCast<TextSlide>()->text(), text);
        QVERIFY(read->pace() == 0 && read->fitsMusic() && read->cutsOnBeat());

        // The timing the person chose comes back; the defaults are not written.
        project.setPace(3);
        project.setFitsMusic(false);
        project.setCutsOnBeat(false);
        QVERIFY(ProjectFile::projectXml(project).contains("pace=\"3\" fit=\"0\" beat=\"0\""));
        QVERIFY(ProjectFile::writeProject(dirs.file("prj.xml"), project));
        const auto timed = ProjectFile::readProject(dirs.file("prj.xml"), &missing);
        QVERIFY(timed->pace() == 3 && !timed->fitsMusic() && !timed->cutsOnBeat());
    }

    void missingFilesAreListedOnce()
    {
        const QString kept = picture("kept.png");
        const QString gone = picture("gone.png");
        Project project;
        project.setAudio(
            {QSharedPointer<MediaFileInfo>::create(1.0f, "", "", "", dirs.file("gone.m4a")),
             QSharedPointer<MediaFileInfo>::create(1.0f, "", "", "", kept)});
        project.setSlides({QSharedPointer<ImgSlide>::create(kept),
                           QSharedPointer<ImgSlide>::create(gone),
                           QSharedPointer<TextSlide>::create("t"),
                           QSharedPointer<ImgSlide>::create("/dev/zero")});
        QVERIFY(ProjectFile::writeProject(dirs.file("missing.xml"), project));
        QFile::remove(gone);
        QStringList missing;
        const auto read = ProjectFile::readProject(dirs.file("missing.xml"), &missing);
        // A picture given as a track, a deleted photo and a device are all "missing".
        QCOMPARE(missing, QStringList({dirs.file("gone.m4a"), kept, gone, "/dev/zero"}));
        QCOMPARE(read->slides().size(), 2);
        QCOMPARE(read->slides()[0].objectCast<ImgSlide>()->path(), kept);
        QCOMPARE(read->slides()[1]->type(), int(Slide::Text));
        QCOMPARE(read->audio().size(), 0);
    }

    void brokenFilesGiveWhatWasRead()
    {
        QStringList missing;
        QVERIFY(ProjectFile::readProject(dirs.file("none.xml"), &missing)->slides().isEmpty());
        QFile broken(dirs.file("broken.xml"));
        QVERIFY(broken.open(QIODevice::WriteOnly));
        broken.write("<userdata template=\"3\"><slides><object type=\"2\" text=\"a\"/><object "
                     "type=\"9\"/><object/><object type=\"2\" text=\"b\"/></slides><slides><obj");
        broken.close();
        const auto read = ProjectFile::readProject(dirs.file("broken.xml"), &missing);
        QCOMPARE(read->themeId(), 3);
        QCOMPARE(read->slides().size(), 2);
        bool ok = true;
        QCOMPARE(ProjectFile::readInfo(dirs.file("none-info.xml"), &ok).name, QString());
        QVERIFY(!ok);
    }
};

QTEST_MAIN(TestProjectFile)
#include "tst_project_file.moc"
