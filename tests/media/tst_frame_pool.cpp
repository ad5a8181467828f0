#include "media/FramePool.h"

#include <QtTest>

extern "C" {
#include <libavutil/frame.h>
}

class TestFramePool : public QObject
{
    Q_OBJECT

private slots:
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
