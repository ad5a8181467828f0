#include "media/FramePool.h"

#include <QtTest>

extern "C" {
#include <libavutil/frame.h>
}

class TestFramePool : public QObject
{
    Q_OBJECT

private slots:
    void framesHaveTheOutputSize_data()
    {
        QTest::addColumn<bool>("fullHd");
        QTest::addColumn<int>("width");
        QTest::addColumn<int>("height");
        QTest::newRow("HD") << false << 1280 << 720;
        QTest::newRow("Full HD") << true << 1920 << 1080;
    }
    void framesHaveTheOutputSize()
    {
        QFETCH(bool, fullHd);
        QFETCH(int, width);
        QFETCH(int, height);
        FramePool pool(fullHd);
        int key = 0;
        QCOMPARE(pool.inUse(&key), 0);
        AVFrame* frame = pool.acquire(&key);
        QVERIFY(frame);
        QCOMPARE(frame->format, int(AV_PIX_FMT_BGRA));
        QCOMPARE(frame->width, width);
        QCOMPARE(frame->height, height);
        // A QImage of width x 4 bytes per line wraps the frame without copying.
        QCOMPARE(frame->linesize[0], width * 4);
        QCOMPARE(reinterpret_cast<quintptr>(frame->data[0]) % 32, quintptr(0));
        QCOMPARE(pool.inUse(&key), 1);
        pool.release(frame);
        QCOMPARE(pool.inUse(&key), 0);
    }

    void buffersAreReusedInOrder()
    {
        FramePool pool(false);
        int first = 0;
        int second = 0;
        AVFrame* a = pool.acquire(&first);
        AVFrame* b = pool.acquire(&first);
        QCOMPARE(pool.inUse(&first), 2);
        QCOMPARE(pool.framesOut(), 2);
        uint8_t* bufferA = a->data[0];
        pool.release(a);
        pool.release(b);
        // The oldest free frame comes back first, now counted for the new key.
        AVFrame* again = pool.acquire(&second);
        QCOMPARE(again, a);
        QCOMPARE(again->data[0], bufferA);
        QCOMPARE(pool.inUse(&first), 0);
        QCOMPARE(pool.inUse(&second), 1);
        QCOMPARE(pool.acquire(&second), b);
        QCOMPARE(pool.framesOut(), 2);
        pool.release(again);
        pool.release(b);
        QCOMPARE(pool.framesOut(), 0);
    }
};

QTEST_GUILESS_MAIN(TestFramePool)
#include "tst_frame_pool.moc"
