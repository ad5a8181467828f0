#include "MediaFixtures.h"
#include "OutputProbe.h"
#include "TestDirs.h"
#include "ThemeFixture.h"

#include <QProcess>
#include <QtTest>

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
        QProcess program;
        program.setWorkingDirectory(dirs.path());
        program.start(QStringLiteral(RENDER_PROGRAM), arguments);
        program.waitForFinished(120000);
        return {program.exitStatus() == QProcess::NormalExit ? program.exitCode() : -1,
                QString::fromUtf8(program.readAllStandardOutput()),
                QString::fromUtf8(program.readAllStandardError())};
    }

    QString photo(const QString& name, QColor color)
    {
        QImage image(120, 80, QImage::Format_RGB32);
        image.fill(color);
        const QString path = dirs.file(name);
        image.save(path, "PNG"); // Qt writes no GIF: a PNG under any name still reads
        return path;
    }

private slots:
    void initTestCase()
    {
        ThemeFixture::ThemeSpec theme;
        theme.id = 1;
        ThemeFixture::SceneSpec photos;
        photos.frames = 30;
        ThemeFixture::SceneSpec texts;
        texts.id = 2;
        texts.type = 2;
        texts.frames = 30;
        theme.scenes = {photos, texts};
        QVERIFY(ThemeFixture::write(dirs.file("templates"), theme));
        QDir().mkpath(dirs.file("album"));
        photo("album/b.png", Qt::blue);
        photo("album/a.jpg", Qt::red);
        photo("album/skipped.JPG", Qt::green);
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
        QVERIFY(r.out.contains("Rendering: 100%"));
        QVERIFY(r.out.contains("Wrote"));
        // photo, text, then the folder's a.jpg, b.png, c.gif (not the upper-case .JPG).
        const OutputProbe probe = OutputProbe::read(dirs.file("out.mp4"), QRect(0, 0, 8, 8));
        QCOMPARE(probe.frames.size(), 5 * 30);
        QVERIFY(probe.frames[75].centre.red() > 200 && probe.frames[75].centre.blue() < 60);
        QVERIFY(probe.frames[105].centre.blue() > 200 && probe.frames[105].centre.red() < 60);
        QVERIFY(probe.frames[135].centre.green() > 200 && probe.frames[135].centre.blue() < 60);
        QVERIFY(!probe.hasAudio);
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
    }

    void badInputIsRefused_data()
    {
        QTest::addColumn<QStringList>("arguments");
        QTest::addColumn<QString>("message");
        QTest::newRow("unknown theme") << QStringList{"--theme", "9", "--text", "x", "-o", "x.mp4"}
                                       << "unknown theme 9";
        QTest::newRow("missing photo")
            << QStringList{"--theme", "1", "--photo", "nowhere.jpg", "-o", "x.mp4"}
            << "cannot read photo nowhere.jpg";
        QTest::newRow("unreadable music")
            << QStringList{"--theme", "1", "--text", "x", "--music", "album/a.jpg", "-o", "x.mp4"}
            << "cannot read music file album/a.jpg";
        QTest::newRow("missing output") << QStringList{"--theme", "1", "--text", "x"}
                                        << "--theme and -o are required";
        QTest::newRow("unknown option") << QStringList{"--theme", "1", "--frobnicate"}
                                        << "unknown argument";
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

    void unwritableOutputFails()
    {
        const Result r = run({"--theme", "1", "--text", "x", "-o", unwritablePath(dirs) + "/o.mp4"});
        QCOMPARE(r.code, 1);
        QVERIFY(r.err.contains("Video output avio_open2 failed"));
    }

    void helpIsShown()
    {
        const Result r = run({"--help"});
        QCOMPARE(r.code, 0);
        QVERIFY(r.out.startsWith("Usage: lumavive-render"));
    }
};

QTEST_GUILESS_MAIN(TestRenderCli)
#include "tst_render_cli.moc"
