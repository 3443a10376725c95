#include "LogCapture.h"
#include "SandboxMachine.h"

#include "platform/Machine.h"
#include "platform/NamedEvent.h"
#include "platform/NamedMutex.h"

#include <QElapsedTimer>
#include <QTest>

#include <memory>

#include <sys/stat.h>
#include <unistd.h>

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

// An ordinary user other than us; tests that play one need root.
constexpr uint OtherUser = 65534;

// The helper's arguments to run as OtherUser, or as we are.
QStringList asUser(bool otherUser, const QStringList &arguments)
{
    return otherUser ? QStringList { QStringLiteral("--uid"), QString::number(OtherUser) } + arguments : arguments;
}

uint modeOf(const QString &path)
{
    struct stat info;
    return ::lstat(QFile::encodeName(path).constData(), &info) == 0 ? info.st_mode & 07777 : 0;
}

// Uses a named object of the kind that lives in folder; true when that worked.
bool useObjectIn(const QString &folder)
{
    if (folder == QLatin1String("events"))
        return NamedEvent(QStringLiteral("ORVEN_OOBE_FLOW")).create(false);
    if (folder == QLatin1String("locks"))
        return NamedMutex(QStringLiteral("Global\\QOR_INSTALLER")).tryLock();
    return platform::Machine::prepareObjectFolder(platform::Machine::pipeFolder());
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

    // A lock kept by another process, of any user, makes the call fail after a short
    // while instead of hanging; once it is gone the event works again.
    void heldLocksMakeEventCallsFailWithoutHanging_data()
    {
        QTest::addColumn<QString>("lockedFile");
        QTest::addColumn<bool>("otherUser");
        for (const bool otherUser : { false, true }) {
            const char *who = otherUser ? "another user" : "same user";
            QTest::addRow("guard, %s", who) << QStringLiteral("ORVEN_OOBE_FLOW.event.guard") << otherUser;
            QTest::addRow("event itself, %s", who) << QStringLiteral("ORVEN_OOBE_FLOW.event") << otherUser;
        }
    }
    void heldLocksMakeEventCallsFailWithoutHanging()
    {
        QFETCH(QString, lockedFile);
        QFETCH(bool, otherUser);
        if (otherUser && ::geteuid() != 0)
            QSKIP("needs root");
        QVERIFY(NamedEvent(QStringLiteral("ORVEN_OOBE_FLOW")).create(false)); // leaves its files behind
        QCOMPARE(::chmod(QFile::encodeName(m_machine->root()).constData(), 0711), 0); // others may pass
        QProcess holder;
        QVERIFY(startHelper(holder,
            asUser(otherUser, { QStringLiteral("flock"), m_machine->path(QStringLiteral("events/") + lockedFile) }),
            "locked"));

        NamedEvent event(QStringLiteral("Global\\ORVEN_OOBE_FLOW"));
        QElapsedTimer timer;
        timer.start();
        QVERIFY(!event.create(false));
        QCOMPARE(event.error(), EWOULDBLOCK);
        QVERIFY(!event.open());
        QCOMPARE(event.error(), EWOULDBLOCK);
        QVERIFY2(timer.elapsed() < 8000, qPrintable(QString::number(timer.elapsed())));
        QVERIFY(!event.isOpen());

        killHard(holder);
        QVERIFY(event.create(true));
        QVERIFY(event.isSet());
    }

    // Another ordinary user who made an object folder first (or a link in its place)
    // gets nothing: the folder is refused with a log line and nothing is put in it.
    void foldersPlantedByAnotherUserAreRefused_data()
    {
        QTest::addColumn<QString>("folder");
        QTest::addColumn<bool>("asLink");
        QTest::addColumn<QString>("refusal"); // %1: the folder's path
        const QString owned = QStringLiteral("[Machine] ERROR: %1 is owned by uid 65534, refused");
        const QString notFolder = QStringLiteral("[Machine] ERROR: %1 is not a folder, refused");
        QTest::newRow("events") << QStringLiteral("events") << false << owned;
        QTest::newRow("locks") << QStringLiteral("locks") << false << owned;
        QTest::newRow("pipes") << QStringLiteral("pipes") << false << owned;
        QTest::newRow("locks: a link to the user's folder") << QStringLiteral("locks") << true << notFolder;
    }
    void foldersPlantedByAnotherUserAreRefused()
    {
        QFETCH(QString, folder);
        QFETCH(bool, asLink);
        QFETCH(QString, refusal);
        if (::geteuid() != 0)
            QSKIP("needs root");
        // A parent anyone may write to, as /tmp was.
        QCOMPARE(::chmod(QFile::encodeName(m_machine->root()).constData(), 0777), 0);
        const QString path = m_machine->path(folder);
        const QString planted = asLink ? m_machine->path(QStringLiteral("elsewhere")) : path;
        QCOMPARE(runHelper(asUser(true, { QStringLiteral("mkdir"), planted })), 0);
        if (asLink)
            QCOMPARE(runHelper(asUser(true, { QStringLiteral("symlink"), planted, path })), 0);

        LogCapture log;
        QVERIFY(!useObjectIn(folder));
        QVERIFY2(log.lines(QtWarningMsg).contains(refusal.arg(path)), qPrintable(log.lines().join(QLatin1Char('\n'))));
        QVERIFY(QDir(planted).isEmpty(QDir::AllEntries | QDir::Hidden | QDir::NoDotAndDotDot));
    }

    // Pipes may be served by any user; locks and events are made by their owner alone
    // and opened by everyone, as objects with a null DACL are.
    void objectFoldersGetTheModesTheirObjectsNeed()
    {
        QVERIFY(QDir().mkdir(m_machine->path(QStringLiteral("locks"))));
        QCOMPARE(::chmod(QFile::encodeName(m_machine->path(QStringLiteral("locks"))).constData(), 0777), 0);
        NamedEvent event(QStringLiteral("Flow"));
        QVERIFY(event.create(false));
        NamedMutex mutex(QStringLiteral("Global\\Once"));
        QVERIFY(mutex.tryLock());
        QVERIFY(platform::Machine::prepareObjectFolder(platform::Machine::pipeFolder()));

        QCOMPARE(modeOf(m_machine->path(QStringLiteral("pipes"))), 01777u);
        QCOMPARE(modeOf(m_machine->path(QStringLiteral("locks"))), 0755u); // our own, tightened
        QCOMPARE(modeOf(m_machine->path(QStringLiteral("events"))), 0755u);
        QCOMPARE(modeOf(m_machine->path(QStringLiteral("locks/Once.lock"))), 0666u);
        QCOMPARE(modeOf(m_machine->path(QStringLiteral("events/Flow.event"))), 0666u);
        QCOMPARE(modeOf(m_machine->path(QStringLiteral("events/Flow.event.guard"))), 0666u);
    }

    void anotherUserOpensTheEventsButCannotMakeThem()
    {
        if (::geteuid() != 0)
            QSKIP("needs root");
        QCOMPARE(::chmod(QFile::encodeName(m_machine->root()).constData(), 0711), 0); // others may pass
        NamedEvent event(QStringLiteral("Global\\NovaportLaunched"));
        QVERIFY(event.create(false));
        QCOMPARE(runHelper(asUser(true, { QStringLiteral("set-event"), QStringLiteral("NovaportLaunched") })), 0);
        QVERIFY(event.wait(5000));
        QCOMPARE(
            runHelper(asUser(true, { QStringLiteral("hold-event"), QStringLiteral("Other"), QStringLiteral("0") })), 1);
        QVERIFY(!QFile::exists(m_machine->path(QStringLiteral("events/Other.event"))));
    }

private:
    std::unique_ptr<SandboxMachine> m_machine;
};

QTEST_GUILESS_MAIN(TestNamedObjects)
#include "tst_namedobjects.moc"
