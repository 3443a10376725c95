#include "core/Queued.h"

#include <QCoreApplication>
#include <QDeadlineTimer>
#include <QTest>

#include <thread>
#include <vector>

class TestQueued : public QObject {
    Q_OBJECT

private slots:
    // Each call carries data its sender built just before queueing it, and the receiver
    // is busy handling events, not asleep: under ThreadSanitizer that is when a hand-over
    // through Qt's event queue, unannounced, reads as a race.
    void callsFromAnotherThreadArriveWholeAndInOrder()
    {
        constexpr int Calls = 2000;
        QObject receiver;
        std::vector<int> received;
        std::thread sender([&receiver, &received] {
            for (int call = 0; call < Calls; ++call) {
                const std::vector<int> data(8, call);
                Queued::call(&receiver, [&received, data] { received.push_back(data.front() + data.back()); });
            }
        });
        const QDeadlineTimer deadline(10000);
        while (int(received.size()) < Calls && !deadline.hasExpired())
            QCoreApplication::processEvents();
        sender.join();
        QCOMPARE(int(received.size()), Calls);
        for (int call = 0; call < Calls; ++call)
            QCOMPARE(received[call], 2 * call);
    }

    void nothingIsQueuedWithoutAContext()
    {
        QVERIFY(!Queued::call(nullptr, [] {}));
    }
};

QTEST_GUILESS_MAIN(TestQueued)
#include "tst_queued.moc"
