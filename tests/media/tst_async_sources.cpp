#include "MediaFixtures.h"
#include "TestDirs.h"
#include "base/CommonError.h"
#include "media/AsyncStaticImgImput.h"
#include "media/AsyncStaticImgImputWorker.h"
#include "media/AsyncVideoInput.h"
#include "media/AsyncVideoInputWorker.h"
#include "media/FramePool.h"

#include <QSignalSpy>
#include <QThread>
#include <QtTest>

extern "C" {
#include <libavutil/frame.h>
}

namespace {

QColor pixel(const AVFrame* frame, int x, int y)
{
    const uint8_t* p = frame->data[0] + y * frame->linesize[0] + x * 4;
    return QColor(p[2], p[1], p[0], p[3]);
}

} // namespace

class TestAsyncSources : public QObject
{
    Q_OBJECT

    TestDirs dirs;
    QString twoFrames;
    QString thirtyFrames;

private slots:
    void initTestCase()
    {
        twoFrames = dirs.file("two.mp4");
        MediaFixtures::VideoSpec spec;
        spec.frames = 2;
        QVERIFY(MediaFixtures::writeVideo(twoFrames, spec));
        thirtyFrames = dirs.file("thirty.mp4");
        spec.frames = 30;
        QVERIFY(MediaFixtures::writeVideo(thirtyFrames, spec));
    }

    void stillDeliversNumberedFrames_data()
    {
        QTest::addColumn<int>("count");
        QTest::newRow("none") << 0;
        QTest::newRow("three") << 3;
    }
    void stillDeliversNumberedFrames()
    {
        QFETCH(int, count);
        const QString path = dirs.file("wide.png");
        QImage wide(400, 100, QImage::Format_RGB32);
        wide.fill(Qt::blue);
        for (int y = 0; y < 100; ++y)
            for (int x = 150; x < 250; ++x)
                wide.setPixelColor(x, y, Qt::yellow);
        QVERIFY(wide.save(path));
        auto pool = QSharedPointer<FramePool>::create(false);
        {
            AsyncStaticImgImput source(pool, path, 720, 1280, count);
            for (int i = 0; i < count; ++i) {
                PoolFrame frame = source.getFrame();
                QVERIFY(frame);
                QCOMPARE(frame.index(), int64_t(i));
                // Cover-fit: scaled to the height and the middle band kept.
                QCOMPARE(pixel(frame.get(), 640, 360), QColor(Qt::yellow));
                QCOMPARE(pixel(frame.get(), 20, 360), QColor(Qt::blue));
                QCOMPARE(pixel(frame.get(), 20, 360).alpha(), 255);
                frame.reset();
            }
            QVERIFY(!source.getFrame());
            QVERIFY(!source.getFrame());
        }
        QCOMPARE(pool->framesOut(), 0);
    }

    void unreadableStillGivesBlackFrames()
    {
        auto pool = QSharedPointer<FramePool>::create(true);
        AsyncStaticImgImput source(pool, dirs.file("nothing-here.jpg"), 1080, 1920, 2);
        PoolFrame frame = source.getFrame();
        QVERIFY(frame);
        QCOMPARE(pixel(frame.get(), 960, 540), QColor(Qt::black));
        frame.reset();
    }

    void poolBoundsHowFarSourcesRunAhead()
    {
        auto pool = QSharedPointer<FramePool>::create(false);
        {
            AsyncVideoInput video(pool, thirtyFrames);
            QTRY_COMPARE(pool->framesOut(), AsyncVideoInputWorker::kMaxFramesOut);
            QTest::qWait(100);
            QCOMPARE(pool->framesOut(), AsyncVideoInputWorker::kMaxFramesOut);
            PoolFrame taken = video.getFrame();
            taken.reset();
            QTRY_COMPARE(pool->framesOut(),
                         AsyncVideoInputWorker::kMaxFramesOut); // resumed after the release and
                                                                // stopped again
        }
        QCOMPARE(pool->framesOut(), 0); // destruction gave the queued frames back

        {
            AsyncStaticImgImput still(pool, dirs.file("wide.png"), 720, 1280, 100);
            QTRY_COMPARE(pool->framesOut(), AsyncStaticImgImputWorker::kMaxFramesOut);
            QTest::qWait(100);
            QCOMPARE(pool->framesOut(), AsyncStaticImgImputWorker::kMaxFramesOut);
            PoolFrame held = still.getFrame(); // the consumer keeps one
            QTRY_COMPARE(pool->framesOut(), AsyncStaticImgImputWorker::kMaxFramesOut);
            held.reset();
        }
        QCOMPARE(pool->framesOut(), 0);
    }

    void unreadableVideoEndsTheStream()
    {
        auto pool = QSharedPointer<FramePool>::create(false);
        QSignalSpy reports(CommonError::instance(), &CommonError::error);
        AsyncVideoInput source(pool, dirs.file("missing.mp4"));
        QVERIFY(!source.getFrame());
        // The engine tells the person, once; the source keeps the reason for it.
        QVERIFY(source.failed());
        QVERIFY2(source.failure().contains("No such file"), qPrintable(source.failure()));
        QCOMPARE(reports.count(), 0);
        QCOMPARE(pool->framesOut(), 0);
    }

    // A stop right after a scene opens: the worker may fail while the source is destroyed. In
    // the sanitizer build a failure that reaches a half-destroyed source stops the test.
    void sourcesThatFailWhileDestroyed()
    {
        auto pool = QSharedPointer<FramePool>::create(false);
        int errors = 0;
        for (int i = 0; i < 200; ++i) {
            auto* source = new AsyncVideoInput(pool, dirs.file("missing.mp4"));
            connect(
                source, &AsyncVideoInput::error, this, [&errors] { ++errors; },
                Qt::DirectConnection);
            if (i % 2)
                QThread::usleep(50 * (i % 7));
            delete source;
        }
        QCOMPARE(pool->framesOut(), 0);
        QVERIFY(errors <= 200);
    }
};

QTEST_MAIN(TestAsyncSources)
#include "tst_async_sources.moc"
