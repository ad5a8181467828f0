#include "HttpTestServer.h"
#include "MediaFixtures.h"
#include "OutputProbe.h"
#include "TestDirs.h"
#include "ThemeFixture.h"
#include "media/MediaFileInfo.h"
#include "project/ImgSlide.h"
#include "project/ProjectFile.h"
#include "project/TextSlide.h"
#include "templates/TemplateCatalog.h"

#include <QProcess>
#include <QtTest>

#include <csignal>

class TestRenderCli : public QObject
{
    Q_OBJECT

    TestDirs dirs;

    struct Result
    {
        int code;
        QString out;
        QString err;
    };

    Result run(const QStringList& arguments)
    {
        // As on a server, where no login session sets XDG_RUNTIME_DIR.
        QProcessEnvironment environment = QProcessEnvironment::systemEnvironment();
        environment.remove(QStringLiteral("XDG_RUNTIME_DIR"));
        return runServing(arguments, environment, dirs.path());
    }

    // Runs the program while this test's event loop goes on (to serve a loopback server).
    Result runServing(const QStringList& arguments, const QProcessEnvironment& environment,
                      const QString& folder)
    {
        QProcess program;
        program.setWorkingDirectory(folder);
        program.setProcessEnvironment(environment);
        program.start(QStringLiteral(RENDER_PROGRAM), arguments);
        for (int waited = 0; program.state() != QProcess::NotRunning && waited < 120000;
             waited += 20)
            QTest::qWait(20);
        return {program.exitStatus() == QProcess::NormalExit ? program.exitCode() : -1,
                QString::fromUtf8(program.readAllStandardOutput()),
                QString::fromUtf8(program.readAllStandardError())};
    }

    QString photo(const QString& name, QColor color)
    {
        // Qt writes no GIF: a PNG under any name still reads.
        return dirs.picture(name, color, QSize(120, 80), "PNG");
    }

private slots:
    void initTestCase()
    {
        TemplateCatalog::use(dirs.file("templates/"));
        const ThemeFixture::ThemeSpec theme = ThemeFixture::photoAndText(1);
        QVERIFY(ThemeFixture::write(dirs.file("templates"), theme));
        QDir().mkpath(dirs.file("album"));
        photo("album/b.png", Qt::blue);
        photo("album/a.jpg", Qt::red);
        photo("album/IMG_0004.JPG", Qt::green);
        QDir().mkpath(dirs.file("notes"));
        QFile note(dirs.file("notes/readme.txt"));
        QVERIFY(note.open(QIODevice::WriteOnly) && note.write("no photo") > 0);
        photo("album/c.gif", Qt::yellow);
        MediaFixtures::AudioSpec music;
        music.seconds = 2.5;
        QVERIFY(MediaFixtures::writeAudio(dirs.file("song.m4a"), music));
    }

    void rendersAnAdHocProject()
    {
        const Result r = run({"--theme", "1", "--photo", photo("one.png", Qt::white), "--text",
                              "Hello", "--folder", dirs.file("album"), "-o", dirs.file("out.mp4")});
        QVERIFY2(r.code == 0, qPrintable(r.err));
        QVERIFY2(QRegularExpression(R"(Rendering: 100% \(180/180 frames, [\d.]+ fps, 0:00 left\))")
                     .match(r.out)
                     .hasMatch(),
                 qPrintable(r.out));
        QVERIFY(r.out.contains("Wrote") && !r.out.contains("Downloading")); // all on disk
        QCOMPARE(r.err, QString()); // nothing but its own lines, and all went well
        // photo, text, then the folder's a.jpg, b.png, c.gif and the camera's IMG_0004.JPG.
        const OutputProbe probe = OutputProbe::read(dirs.file("out.mp4"), QRect(0, 0, 8, 8));
        QCOMPARE(probe.frames.size(), 6 * 30);
        QVERIFY(probe.frames[165].centre.green() > 200 && probe.frames[165].centre.red() < 60);
        QVERIFY(probe.frames[75].centre.red() > 200 && probe.frames[75].centre.blue() < 60);
        QVERIFY(probe.frames[105].centre.blue() > 200 && probe.frames[105].centre.red() < 60);
        QVERIFY(probe.frames[135].centre.green() > 200 && probe.frames[135].centre.blue() < 60);
        QVERIFY(!probe.hasAudio);
    }

    // One frame as a picture, for checks and thumbnails: the photo of the first scene, the
    // text scene's background in the second.
    void writesOneFrameAsAPicture()
    {
        const QStringList project = {"--theme", "1",    "--photo", photo("red.png", Qt::red),
                                     "--text",  "Hello"};
        Result r = run(project + QStringList{"--frame", "15", "--size", "640x360", "-o",
                                             dirs.file("frame.png")});
        QVERIFY2(r.code == 0, qPrintable(r.err));
        QVERIFY(r.out.contains("frame 15 of 60, 640x360"));
        QImage frame(dirs.file("frame.png"));
        QCOMPARE(frame.size(), QSize(640, 360));
        QVERIFY(frame.pixelColor(320, 180).red() > 200 && frame.pixelColor(320, 180).blue() < 60);
        r = run(project + QStringList{"--frame", "45", "-o", dirs.file("text.jpg")});
        QVERIFY2(r.code == 0, qPrintable(r.err));
        frame = QImage(dirs.file("text.jpg"));
        QCOMPARE(frame.size(), QSize(1280, 720)); // the video's own size
        QVERIFY(frame.pixelColor(8, 8).red() > 150);
    }

    void musicBoundsTheVideoAndIsWritten()
    {
        const Result r = run({"--theme", "1", "--folder", dirs.file("album"), "--music",
                              dirs.file("song.m4a"), "--full-hd", "-o", dirs.file("music.mp4")});
        QVERIFY2(r.code == 0, qPrintable(r.err));
        QVERIFY(r.out.contains("slides fit into the music"));
        const OutputProbe probe = OutputProbe::read(dirs.file("music.mp4"), QRect(0, 0, 8, 8));
        QCOMPARE(probe.width, 1920);
        QCOMPARE(probe.frames.size(), 60); // 2.5 s of music holds two 1 s scenes
        QVERIFY(probe.hasAudio);
        // The summary says what the video leaves out, and the music fades out with the video.
        QVERIFY2(r.out.contains("the video lasts 2.0 s; the last 0.5 s of the music are left out"),
                 qPrintable(r.out));
        QVERIFY(qAbs(probe.audioSeconds - 2.0) < 0.1);
        QVERIFY(probe.audioRms.last() < probe.audioRms[10] * 0.3);
        // A plain tone has no beat to cut on, which is said unless the cuts are off.
        QVERIFY2(r.err.contains("no beat was found in " + dirs.file("song.m4a")),
                 qPrintable(r.err));
        const Result off =
            run({"--theme", "1", "--folder", dirs.file("album"), "--music", dirs.file("song.m4a"),
                 "--no-beat", "--frame", "0", "-o", dirs.file("first.png")});
        QVERIFY2(off.code == 0 && off.err.isEmpty(), qPrintable(off.err));
    }

    // A theme whose video is not installed: fetched from the configured server first.
    void missingVideosAreDownloadedFirst()
    {
        // A working folder of its own: the other tests see only theme 1.
        const QString here = dirs.file("fetching");
        ThemeFixture::ThemeSpec moving = ThemeFixture::photoAndText(7, "Moving");
        moving.scenes[0].video = true;
        QVERIFY(ThemeFixture::write(here + "/templates", moving));
        QFile installed(here + "/templates/7/1.mp4");
        QVERIFY(installed.open(QIODevice::ReadOnly));
        const QByteArray video = installed.readAll();
        installed.close();
        const QStringList arguments{
            "--theme", "7", "--photo", dirs.file("album/a.jpg"), "-o", dirs.file("fetched.mp4")};
        QProcessEnvironment environment = QProcessEnvironment::systemEnvironment();
        environment.remove("LUMAVIVE_THEME_SERVER");

        // Nowhere to ask: bad input, and how to configure a server.
        QVERIFY(installed.remove());
        Result r = runServing(arguments, environment, here);
        QCOMPARE(r.code, 2);
        QVERIFY2(r.err.contains("LUMAVIVE_THEME_SERVER"), qPrintable(r.err));

        HttpTestServer server;
        QVERIFY(server.listen());
        bool available = false;
        server.setHandler([&](const HttpTestServer::Request& request) {
            HttpTestServer::Response response;
            if (available && request.path == "/app/1.2.0/themes/7/1.mp4")
                response.body = video;
            else
                response.status = 404;
            return response;
        });
        environment.insert("LUMAVIVE_THEME_SERVER", server.baseUrl());

        // The server does not have it: a failed render, nothing written.
        r = runServing(arguments, environment, here);
        QCOMPARE(r.code, 1);
        QVERIFY2(r.err.contains("could not be downloaded"), qPrintable(r.err));
        QVERIFY(!QFileInfo::exists(dirs.file("fetched.mp4")));
        QVERIFY(!QFileInfo::exists(here + "/templates/7/1.mp4"));

        available = true;
        r = runServing(arguments, environment, here);
        QVERIFY2(r.code == 0, qPrintable(r.err));
        QVERIFY(r.out.contains("Downloading: 100%"));
        QCOMPARE(QFileInfo(here + "/templates/7/1.mp4").size(), qint64(video.size()));
        QCOMPARE(OutputProbe::read(dirs.file("fetched.mp4"), QRect(0, 0, 8, 8)).frames.size(), 30);
    }

    void badInputIsRefused_data()
    {
        QTest::addColumn<QStringList>("arguments");
        QTest::addColumn<QString>("message");
        QTest::newRow("unknown theme")
            << QStringList{"--theme", "9", "--text", "x", "-o", "x.mp4"} << "unknown theme 9";
        QTest::newRow("missing photo")
            << QStringList{"--theme", "1", "--photo", "nowhere.jpg", "-o", "x.mp4"}
            << "cannot read photo nowhere.jpg";
        QTest::newRow("unreadable music")
            << QStringList{"--theme", "1", "--text", "x", "--music", "album/a.jpg", "-o", "x.mp4"}
            << "The music file " + dirs.file("album/a.jpg") + " cannot be played";
        QTest::newRow("folder without photos")
            << QStringList{"--theme", "1", "--folder", "notes", "-o", "x.mp4"}
            << "no photo found in folder notes";
        QTest::newRow("missing output")
            << QStringList{"--theme", "1", "--text", "x"} << "-o OUT.mp4 is required";
        QTest::newRow("missing theme") << QStringList{"--text", "x", "-o", "x.mp4"}
                                       << "--theme (or a saved project) is required";
        QTest::newRow("missing project") << QStringList{"nowhere/prj.xml", "-o", "x.mp4"}
                                         << "cannot read project nowhere/prj.xml";
        QTest::newRow("project with slides")
            << QStringList{"saved", "--text", "x", "-o", "x.mp4"}
            << "a saved project brings its own theme, slides and music";
        QTest::newRow("unknown option")
            << QStringList{"--theme", "1", "--frobnicate"} << "unknown argument";
        QTest::newRow("frame past the end")
            << QStringList{"--theme", "1", "--text", "x", "--frame", "30", "-o", "x.mp4"}
            << "the video has 30 frames (0 to 29); there is no frame 30";
        QTest::newRow("frame not a number")
            << QStringList{"--theme", "1", "--text", "x", "--frame", "-1", "-o", "x.mp4"}
            << "is not a number from 0 on";
        QTest::newRow("size not WxH") << QStringList{"--theme", "1",      "--text", "x",  "--frame",
                                                     "0",       "--size", "640",    "-o", "x.mp4"}
                                      << "the size \"640\" is not WxH";
        QTest::newRow("size without frame")
            << QStringList{"--theme", "1", "--text", "x", "--size", "640x360", "-o", "x.mp4"}
            << "--size goes with --frame";
    }
    void badInputIsRefused()
    {
        QFETCH(QStringList, arguments);
        QFETCH(QString, message);
        const Result r = run(arguments);
        QCOMPARE(r.code, 2);
        QVERIFY2(r.err.contains(message), qPrintable(r.err));
        QVERIFY(!QFileInfo::exists(dirs.file("x.mp4")));
    }

    void nothingFitsIsABadInput()
    {
        const Result r = run({"--theme", "1", "--photo", dirs.file("album/a.jpg"), "--music",
                              dirs.file("song.m4a"), "-o", dirs.file("y.mp4")});
        QCOMPARE(r.code, 0); // 2.5 s of music holds the 1 s scene
        MediaFixtures::AudioSpec tiny;
        tiny.seconds = 0.5;
        QVERIFY(MediaFixtures::writeAudio(dirs.file("tiny.m4a"), tiny));
        const Result none = run({"--theme", "1", "--photo", dirs.file("album/a.jpg"), "--music",
                                 dirs.file("tiny.m4a"), "-o", dirs.file("z.mp4")});
        QCOMPARE(none.code, 2);
        QVERIFY2(none.err.contains("no slide fits"), qPrintable(none.err));
    }

    // A render that fails on the way (a background that is no video) exits with 1.
    void aFailedRenderExitsWithOne()
    {
        ThemeFixture::ThemeSpec theme = ThemeFixture::photoAndText(8);
        theme.scenes[0].video = true;
        QVERIFY(ThemeFixture::write(dirs.file("templates"), theme));
        QFile background(dirs.file("templates/8/1.mp4"));
        QVERIFY(background.open(QIODevice::WriteOnly) && background.write(QByteArray(4096, 'Z')));
        background.close();
        const Result r = run(
            {"--theme", "8", "--photo", dirs.file("album/a.jpg"), "-o", dirs.file("failed.mp4")});
        QCOMPARE(r.code, 1);
        QVERIFY2(r.err.contains("the render failed"), qPrintable(r.err));
        QVERIFY(!QFileInfo::exists(dirs.file("failed.mp4")));
        QVERIFY(QDir(dirs.file("templates/8")).removeRecursively());
    }

    void unwritableOutputIsABadInput()
    {
        const QString target = unwritablePath(dirs) + "/o.mp4";
        const Result r = run({"--theme", "1", "--text", "x", "-o", target});
        QCOMPARE(r.code, 2);
        QVERIFY2(r.err.contains("cannot write the video to " + target), qPrintable(r.err));
    }

    void rendersASavedProjectWithoutItsMissingFiles()
    {
        Project project;
        project.setThemeId(1);
        const QString gone = photo("gone.png", Qt::black);
        project.setSlides({QSharedPointer<ImgSlide>::create(photo("kept.png", Qt::red)),
                           QSharedPointer<ImgSlide>::create(gone),
                           QSharedPointer<TextSlide>::create("Hello")});
        project.setAudio({MediaFileInfo::fromFile(dirs.file("song.m4a"))});
        QDir().mkpath(dirs.file("saved"));
        QVERIFY(ProjectFile::writeProject(dirs.file("saved/prj.xml"), project));
        QFile::remove(gone);
        const Result r = run({dirs.file("saved"), "-o", dirs.file("saved.mp4")});
        QVERIFY2(r.code == 0, qPrintable(r.err));
        QVERIFY(r.out.contains("missing, left out: " + gone));
        QVERIFY(r.err.contains("no beat was found")); // the project's own choice: on the beat
        const OutputProbe probe = OutputProbe::read(dirs.file("saved.mp4"), QRect(0, 0, 8, 8));
        QCOMPARE(probe.frames.size(), 60); // the photo scene and the text scene
        const Result again = run(
            {dirs.file("saved/prj.xml"), "--full-hd", "--no-beat", "-o", dirs.file("saved2.mp4")});
        QCOMPARE(again.code, 0);
        QVERIFY2(again.err.isEmpty(), qPrintable(again.err));
        QCOMPARE(OutputProbe::read(dirs.file("saved2.mp4"), QRect(0, 0, 8, 8)).width, 1920);
    }

    void listsThemesAndVersion()
    {
        const Result themes = run({"--list-themes"});
        QCOMPARE(themes.code, 0);
        QCOMPARE(themes.out, QStringLiteral("1  Test Theme\n"));
        const Result version = run({"--version"});
        QCOMPARE(version.code, 0);
        QVERIFY(version.out.startsWith("lumavive-render "));
    }

    void interruptDeletesThePartialFile()
    {
        QProcess program;
        program.setWorkingDirectory(dirs.path());
        QStringList arguments{"--theme", "1"};
        for (int i = 0; i < 40; ++i)
            arguments << "--photo" << dirs.file("album/a.jpg");
        arguments << "--full-hd"
                  << "-o" << dirs.file("interrupted.mp4");
        program.start(QStringLiteral(RENDER_PROGRAM), arguments);
        QVERIFY(program.waitForStarted());
        QByteArray seen;
        QTRY_VERIFY2_WITH_TIMEOUT(
            (seen += program.readAllStandardOutput()).contains("Rendering: 5%"),
            (seen + program.readAllStandardError()).constData(), 60000);
        ::kill(pid_t(program.processId()), SIGINT);
        QVERIFY(program.waitForFinished(60000));
        QCOMPARE(program.exitCode(), 1);
        QVERIFY(program.readAllStandardError().contains("interrupted"));
        QVERIFY(!QFileInfo::exists(dirs.file("interrupted.mp4")));
    }

    void demoSoundtrackIsWritten()
    {
        const QString song = dirs.file("demo.m4a");
        QCOMPARE(QProcess::execute(QStringLiteral(DEMOSONG_PROGRAM), {song}), 0);
        const auto info = MediaFileInfo::fromFile(song);
        QVERIFY(qAbs(info->duration() - 24.0f) < 0.1f);
        QCOMPARE(info->title(), QStringLiteral("Lumavive Demo Theme"));
    }

    void helpIsShown()
    {
        const Result r = run({"--help"});
        QCOMPARE(r.code, 0);
        QVERIFY(r.out.startsWith("Usage: lumavive-render"));
    }
};

QTEST_MAIN(TestRenderCli)
#include "tst_render_cli.moc"
