#include "LogCapture.h"

#include "core/WorkerThread.h"

#include <QElapsedTimer>
#include <QPointer>
#include <QTest>

#include <atomic>
#include <memory>

namespace {

// A worker whose job ignores the event loop until it is let go.
class StubbornWorker : public QObject {
    Q_OBJECT

public:
    StubbornWorker(std::atomic<bool> *letGo, std::atomic<bool> *done)
        : m_letGo(letGo)
        , m_done(done)
    {
    }
    ~StubbornWorker() override { *m_done = true; }

public slots:
    void block()
    {
        while (!*m_letGo)
            QThread::msleep(10);
    }

private:
    std::atomic<bool> *m_letGo;
    std::atomic<bool> *m_done;
};

} // namespace

class TestWorkerThread : public QObject {
    Q_OBJECT

private slots:
    // The owner's end never waits for a stuck worker for more than the limit.
    void stopIsBoundedForAStuckWorker()
    {
        std::atomic<bool> letGo { false };
        std::atomic<bool> done { false };
        LogCapture log;
        QElapsedTimer clock;
        {
            WorkerThread thread("[Owner]");
            auto *worker = thread.start<StubbornWorker>(&letGo, &done);
            QVERIFY(worker);
            QMetaObject::invokeMethod(worker, &StubbornWorker::block, Qt::QueuedConnection);
            QThread::msleep(50);
            clock.start();
        }
        QVERIFY2(clock.elapsed() < 8000, qPrintable(QString::number(clock.elapsed())));
        QVERIFY(log.contains(QStringLiteral("[Owner] WARNING: The worker thread did not stop")));
        letGo = true; // the thread left running ends, and so does its worker
        QTRY_VERIFY_WITH_TIMEOUT(done, 10000);
    }

    // interrupt() ends the stopped thread's sleep, however long, and leaves the sleep of
    // another thread to last its time.
    void interruptEndsOnlyTheStoppedThreadsSleep()
    {
        constexpr int HourMs = 3600000;
        constexpr int ShortMs = 300;
        std::atomic<int> stoppedAnswer { -1 };
        std::atomic<int> sleeperAnswer { -1 };
        const std::unique_ptr<QThread> stopped(
            QThread::create([&stoppedAnswer] { stoppedAnswer = WorkerThread::sleepUnlessStopped(HourMs); }));
        const std::unique_ptr<QThread> sleeper(
            QThread::create([&sleeperAnswer] { sleeperAnswer = WorkerThread::sleepUnlessStopped(ShortMs); }));
        QElapsedTimer clock;
        clock.start();
        stopped->start();
        sleeper->start();
        QTest::qWait(50); // both asleep, most likely
        WorkerThread::interrupt(stopped.get());
        QVERIFY(stopped->wait(10000));
        QCOMPARE(stoppedAnswer.load(), 0);
        QVERIFY(sleeper->wait(10000));
        QCOMPARE(sleeperAnswer.load(), 1);
        QVERIFY(clock.elapsed() >= ShortMs);
    }

    // A sleep of no time, or of less, returns at once.
    void sleepOfNoTimeReturnsAtOnce()
    {
        QVERIFY(WorkerThread::sleepUnlessStopped(0));
        QVERIFY(WorkerThread::sleepUnlessStopped(-1));
    }

    // A worker whose thread never started is deleted with its owner; one whose thread
    // ran is deleted when the thread ends.
    void workerIsDeletedWhetherOrNotItsThreadRan_data()
    {
        QTest::addColumn<bool>("startThread");
        QTest::newRow("never started") << false;
        QTest::newRow("started") << true;
    }
    void workerIsDeletedWhetherOrNotItsThreadRan()
    {
        QFETCH(bool, startThread);
        std::atomic<bool> letGo { true };
        std::atomic<bool> done { false };
        {
            WorkerThread thread("[Owner]");
            QVERIFY(thread.prepare<StubbornWorker>(&letGo, &done));
            if (startThread) {
                thread.startThread();
                thread.startThread(); // a second start does nothing
                QTRY_VERIFY(thread.thread()->isRunning());
            }
        }
        QTRY_VERIFY_WITH_TIMEOUT(done, 10000);
    }
};

QTEST_GUILESS_MAIN(TestWorkerThread)
#include "tst_workerthread.moc"
