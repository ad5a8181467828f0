#include "MediaFixtures.h"
#include "TestDirs.h"
#include "base/CommonError.h"
#include "base/Failure.h"
#include "media/AudioInput.h"
#include "media/VideoInput.h"

#include <QSignalSpy>
#include <QtTest>

namespace {

libav::FramePtr bgraFrame(int width, int height)
{
    libav::FramePtr frame = libav::makeFrame();
    frame->format = AV_PIX_FMT_BGRA;
    frame->width = width;
    frame->height = height;
    av_frame_get_buffer(frame.get(), 32);
    return frame;
}

QColor pixel(const AVFrame* frame, int x, int y)
{
    const uint8_t* p = frame->data[0] + y * frame->linesize[0] + x * 4;
    return QColor(p[2], p[1], p[0]);
}

bool near(QColor a, QColor b)
{
    return qAbs(a.red() - b.red()) < 30 && qAbs(a.green() - b.green()) < 30 &&
           qAbs(a.blue() - b.blue()) < 30;
}

int countFrames(VideoInput& input, QList<int64_t>* pts = nullptr)
{
    libav::FramePtr frame = bgraFrame(64, 48);
    int count = 0;
    while (input.readFrame(frame.get())) {
        ++count;
        if (pts)
            pts->append(frame->pts);
    }
    return count;
}

} // namespace

class TestVideoInput : public QObject
{
    Q_OBJECT

    TestDirs dirs;
    QString clip;  // 640x480, 30 frames, B-frames
    QString music; // audio only
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

    void delayedPicturesAreDrainedOnePerCall()
    {
        VideoInput input(clip);
        QList<int64_t> pts;
        QCOMPARE(countFrames(input, &pts), 30);
        // Every picture, in order, evenly spaced: the B-frame tail was drained, none repeated.
        const int64_t step = pts[1] - pts[0];
        QVERIFY(step > 0);
        for (int i = 0; i < pts.size(); ++i)
            QCOMPARE(pts[i], pts[0] + i * step);
        libav::FramePtr frame = bgraFrame(64, 48);
        QVERIFY(!input.readFrame(frame.get()));
        QVERIFY(!input.readFrame(frame.get()));
        QCOMPARE(input.timeBase().num, 1);
        QVERIFY(input.framesCount() == 30 || input.framesCount() == 0);
    }

    void picturesAreStretchedToTheTarget()
    {
        VideoInput input(clip);
        libav::FramePtr frame = bgraFrame(1280, 720);
        QVERIFY(input.readFrame(frame.get()));
        QCOMPARE(frame->pts, int64_t(0));
        QCOMPARE(frame->width, 1280);
        QVERIFY(near(pixel(frame.get(), 320, 180), Qt::red));
        QVERIFY(near(pixel(frame.get(), 960, 180), Qt::blue));
        QVERIFY(near(pixel(frame.get(), 320, 540), Qt::green));
        QVERIFY(near(pixel(frame.get(), 960, 540), Qt::white));
        QVERIFY(near(pixel(frame.get(), 600, 340),
                     Qt::red)); // the quadrants stretched, not letterboxed
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

    void unusualNamesOpenThroughQt_data()
    {
        QTest::addColumn<QString>("name");
        QTest::newRow("non-ASCII") << QStringLiteral("фото ü 写真.mp4");
        QTest::newRow("protocol look-alike") << QStringLiteral("pipe:clip.mp4");
        QTest::newRow("parentheses") << QStringLiteral("clip (1).mp4");
    }
    void unusualNamesOpenThroughQt()
    {
        QFETCH(QString, name);
        // The name stays relative, as a person might type it: it is looked for in the working
        // folder.
        QDir::setCurrent(dirs.path());
        QFile::remove(name);
        QVERIFY(QFile::copy(clip, name));
        VideoInput input(name);
        QCOMPARE(countFrames(input), 30);
    }
};

QTEST_GUILESS_MAIN(TestVideoInput)
#include "tst_video_input.moc"
