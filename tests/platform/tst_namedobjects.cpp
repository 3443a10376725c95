#include "SandboxMachine.h"

#include "platform/NamedEvent.h"
#include "platform/NamedMutex.h"

#include <QElapsedTimer>
#include <QTest>

#include <memory>

using platform::NamedEvent;
using platform::NamedMutex;

namespace {

int runHelper(const QStringList &arguments)
{
    return QProcess::execute(builtProgram(QStringLiteral("nova-test-helper")), arguments);
}

bool startHelper(QProcess &process, const QStringList &arguments, const QByteArray &readyLine)
{
    return startAndWaitForLine(process, builtProgram(QStringLiteral("nova-test-helper")), arguments, readyLine);
}

void killHard(QProcess &process)
{
    process.kill(); // SIGKILL: no chance to release anything
    process.waitForFinished();
}

} // namespace

class TestNamedObjects : public QObject {
    Q_OBJECT

private slots:
    void init() { m_machine = std::make_unique<SandboxMachine>(); }
    void cleanup() { m_machine.reset(); }

    void mutexOfAKilledHolderCanBeTaken()
    {
        QProcess holder;
        QVERIFY(
            startHelper(holder, { QStringLiteral("hold-mutex"), QStringLiteral("Global\\QOR_INSTALLER") }, "locked"));

        NamedMutex mutex(QStringLiteral("Global\\QOR_INSTALLER"));
        QVERIFY(!mutex.tryLock());
        QCOMPARE(mutex.error(), EWOULDBLOCK);
        QCOMPARE(runHelper({ QStringLiteral("try-mutex"), QStringLiteral("QOR_INSTALLER") }), 1); // prefix optional

        killHard(holder);
        QVERIFY(mutex.tryLock());
        QVERIFY(mutex.isLocked());
        QCOMPARE(runHelper({ QStringLiteral("try-mutex"), QStringLiteral("Global\\QOR_INSTALLER") }), 1);
        mutex.unlock();
        QCOMPARE(runHelper({ QStringLiteral("try-mutex"), QStringLiteral("Global\\QOR_INSTALLER") }), 0);
    }

    void mutexRefusesASecondTakerInTheSameProcess()
    {
        NamedMutex first(QStringLiteral("Global\\Once"));
        NamedMutex second(QStringLiteral("Global\\Once"));
        NamedMutex other(QStringLiteral("Global\\once")); // object names keep their case
        QVERIFY(first.tryLock());
        QVERIFY(!second.tryLock());
        QVERIFY(other.tryLock());
        first.unlock();
        QVERIFY(second.tryLock());
    }

    void namesCannotReachOutsideTheLockFolder()
    {
        NamedMutex sneaky(QStringLiteral("../../escape"));
        QVERIFY(sneaky.tryLock());
        QVERIFY(!QFile::exists(m_machine->path(QStringLiteral("escape.lock"))));
        QCOMPARE(QDir(m_machine->path(QStringLiteral("locks"))).entryList(QDir::Files | QDir::Hidden),
            QStringList { QStringLiteral("..%2F..%2Fescape.lock") });
    }

    void eventSetByAnotherProcessWakesAWaiter()
    {
        QProcess owner;
        QVERIFY(startHelper(owner,
            { QStringLiteral("hold-event"), QStringLiteral("ORVEN_OOBE_FLOW"), QStringLiteral("0") }, "created"));
        NamedEvent event(QStringLiteral("Global\\ORVEN_OOBE_FLOW"));
        QVERIFY(event.open());
        QVERIFY(!event.isSet());
        QVERIFY(!event.wait(50));

        QCOMPARE(runHelper({ QStringLiteral("set-event"), QStringLiteral("ORVEN_OOBE_FLOW") }), 0);
        QVERIFY(event.wait(5000));
        QVERIFY(event.isSet()); // manual reset: stays set
        QVERIFY(event.reset());
        QVERIFY(!event.isSet());
        killHard(owner);
    }

    void eventCreatedAgainAfterItsHoldersDiedStartsAfresh()
    {
        QProcess owner;
        QVERIFY(startHelper(
            owner, { QStringLiteral("hold-event"), QStringLiteral("Flow"), QStringLiteral("1") }, "created"));
        {
            NamedEvent joiner(QStringLiteral("Flow"));
            QVERIFY(joiner.create(false));
            QVERIFY(joiner.alreadyExisted());
            QVERIFY(joiner.isSet()); // the existing state wins over the initial one
        }
        killHard(owner);

        NamedEvent gone(QStringLiteral("Flow"));
        QVERIFY(!gone.open());
        QCOMPARE(gone.error(), ENOENT);
        QCOMPARE(runHelper({ QStringLiteral("set-event"), QStringLiteral("Flow") }), 1);

        NamedEvent fresh(QStringLiteral("Flow"));
        QVERIFY(fresh.create(false));
        QVERIFY(!fresh.alreadyExisted());
        QVERIFY(!fresh.isSet());
    }

    void waitWithoutTheEventSetEndsAtItsLimit()
    {
        NamedEvent event(QStringLiteral("NeverSet"));
        QVERIFY(event.create(false));
        QElapsedTimer timer;
        timer.start();
        QVERIFY(!event.wait(100));
        QVERIFY(timer.elapsed() >= 100);
        NamedEvent closed(QStringLiteral("NeverSet"));
        QVERIFY(!closed.wait(10)); // not open: no wait at all
    }

private:
    std::unique_ptr<SandboxMachine> m_machine;
};

QTEST_GUILESS_MAIN(TestNamedObjects)
#include "tst_namedobjects.moc"
