#include "base/Worker.h"
#include "base/WorkerThread.h"

#include <QThread>
#include <QtTest>

#include <atomic>

namespace {

std::atomic<int> workersAlive{0};

// Loops until asked to stop, or runs `ticks` times 5 ms when given.
class Looper : public Worker
{
public:
    explicit Looper(int ticks = -1) : ticks(ticks) { ++workersAlive; }
    ~Looper() override { --workersAlive; }

    std::atomic<bool> started{false};
    std::atomic<bool> hookCalled{false};
    std::atomic<int> ranTicks{0};
    std::atomic<Qt::HANDLE> runThread{nullptr};

protected:
    void run() override
    {
        runThread = QThread::currentThreadId();
        started = true;
        while (!stopRequested() && ticks != ranTicks) {
            QThread::msleep(5);
            ++ranTicks;
        }
    }
    void onStopRequested() override { hookCalled = true; }

private:
    const int ticks;
};

} // namespace

class TestWorkerThread : public QObject
{
    Q_OBJECT

private slots:
    void startingAgainOrDestroyingStopsTheRunningWorker()
    {
        const int before = workersAlive;
        {
            WorkerThread thread;
            thread.start(new Looper);
            thread.start(new Looper); // the first is stopped and deleted
            QCOMPARE(int(workersAlive), before + 1);
        }
        QCOMPARE(int(workersAlive), before);
    }
};

QTEST_GUILESS_MAIN(TestWorkerThread)
#include "tst_worker_thread.moc"
