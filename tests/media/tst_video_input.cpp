#include "MediaFixtures.h"
#include "TestDirs.h"
#include "base/CommonError.h"
#include "base/Failure.h"
#include "media/AudioInput.h"
#include "media/VideoInput.h"

#include <QSignalSpy>
#include <QtTest>

class TestVideoInput : public QObject
{
    Q_OBJECT

    TestDirs dirs;
    QString clip;  // pictures only
    QString music; // sound only
    QString corrupt;

private slots:
    void initTestCase()
    {
        clip = dirs.file("clip.mp4");
        QVERIFY(MediaFixtures::writeVideo(clip, {}));
        music = dirs.file("music.m4a");
        QVERIFY(MediaFixtures::writeAudio(music, {}));
        corrupt = dirs.file("corrupt.mp4");
        QFile file(corrupt);
        QVERIFY(file.open(QIODevice::WriteOnly) && file.write(QByteArray(5000, '\x17')) == 5000);
    }

    // What cannot be opened throws a sentence naming the file and what to do, with the library's
    // reason, and shows nothing itself: the caller knows whether the person must hear of it.
    void unreadableFilesThrowWhatToDo_data()
    {
        QTest::addColumn<QString>("path");
        QTest::addColumn<bool>("asVideo");
        QTest::addColumn<QString>("sentence");
        QTest::addColumn<QString>("reason");
        QTest::newRow("music as video") << music << true << "background video"
                                        << "no pictures";
        QTest::newRow("video as music") << clip << false << "music file"
                                        << "no sound";
        QTest::newRow("missing") << dirs.file("missing.mp4") << true << "Download the theme again"
                                 << "No such file";
        QTest::newRow("corrupt") << corrupt << false << "choose another track"
                                 << "Invalid data";
    }
    void unreadableFilesThrowWhatToDo()
    {
        QFETCH(QString, path);
        QFETCH(bool, asVideo);
        QFETCH(QString, sentence);
        QFETCH(QString, reason);
        QSignalSpy errors(CommonError::instance(), &CommonError::error);
        try {
            if (asVideo)
                VideoInput input(path);
            else
                AudioInput input(path);
            QFAIL("no failure thrown");
        } catch (const Failure& failure) {
            QCOMPARE(failure.file(), path);
            QVERIFY2(failure.message().contains(path) && failure.message().contains(sentence),
                     qPrintable(failure.message()));
            QVERIFY2(failure.reason().contains(reason), qPrintable(failure.reason()));
            QVERIFY(!failure.text().contains(QLatin1String("Error: -")));
        }
        QCOMPARE(errors.count(), 0);
    }
};

QTEST_GUILESS_MAIN(TestVideoInput)
#include "tst_video_input.moc"
