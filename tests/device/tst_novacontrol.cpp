#include "LogCapture.h"
#include "SandboxMachine.h"

#include "checks/GraphicsChecker.h"
#include "device/NOVAControl.h"

#include <QElapsedTimer>
#include <QJsonArray>
#include <QTest>
#include <QTimerEvent>

namespace {

const QString Tick = QStringLiteral("[NOVAControl] enableDirectMode");
const QString Enabled = QStringLiteral("[NOVAControl] enableDirectMode OK");
const QString Failed = QStringLiteral("[NOVAControl] enableDirectMode fail");
const QString CannotEnable = QStringLiteral("[NOVAControl] enableDirectMode() can't enable direct mode");

QJsonObject monitor(const QString &id, bool nonDesktop)
{
    return { { QStringLiteral("id"), id }, { QStringLiteral("nonDesktop"), nonDesktop } };
}

} // namespace

class TestNovaControl : public QObject {
    Q_OBJECT

private slots:
    void init() { m_machine = std::make_unique<SandboxMachine>(); }
    void cleanup() { m_machine.reset(); }

    // Direct mode is on when the kernel keeps the headset's display off the desktop.
    void directMode_data()
    {
        QTest::addColumn<QString>("driver"); // the NVIDIA driver's version, empty: none
        QTest::addColumn<QJsonArray>("monitors");
        QTest::addColumn<QString>("line"); // logged each second until it succeeds
        const QJsonArray offDesktop { monitor(QStringLiteral("MONITOR\\ZEPAA01"), true) };
        const QJsonArray onDesktop { monitor(QStringLiteral("MONITOR\\TSB8888"), false) };
        QTest::newRow("headset display off the desktop") << QStringLiteral("431.60") << offDesktop << Enabled;
        QTest::newRow("headset display on the desktop") << QStringLiteral("431.60") << onDesktop << Failed;
        QTest::newRow("driver too old") << QStringLiteral("431.59") << offDesktop << CannotEnable;
        QTest::newRow("no NVIDIA driver") << QString() << onDesktop << CannotEnable;
        QTest::newRow("no headset display") << QStringLiteral("431.60") << QJsonArray() << CannotEnable;
    }
    void directMode()
    {
        QFETCH(QString, driver);
        QFETCH(QJsonArray, monitors);
        QFETCH(QString, line);
        QJsonObject profile { { QStringLiteral("monitors"), monitors } };
        if (!driver.isEmpty())
            profile.insert(QStringLiteral("nvidiaDriver"), driver);
        m_machine->writeProfile(profile);
        GraphicsChecker checker;
        NOVAControl control(&checker);
        LogCapture log;
        control.loadedPHead01();
        QVERIFY(control.isTimerRunning());
        if (line == Enabled) {
            QTRY_VERIFY_WITH_TIMEOUT(!control.isTimerRunning(), 5000);
            QVERIFY(control.isDirectModeEnabled());
            QCOMPARE(log.startingWith(Tick), QStringList { Enabled });
            return;
        }
        // Tried again each second, until the final page stops it.
        QTRY_VERIFY_WITH_TIMEOUT(log.count(line) >= 2, 5000);
        QVERIFY(control.isTimerRunning());
        QVERIFY(!control.isDirectModeEnabled());
        control.loadedPFinal01();
        QVERIFY(!control.isTimerRunning());
        QVERIFY(!log.startingWith(QStringLiteral("[NOVAControl] Stop timer ")).isEmpty());
        const QStringList tries = log.startingWith(Tick);
        QCOMPARE(QSet<QString>(tries.begin(), tries.end()), QSet<QString> { line });
    }

    void startedTwiceRunsOneTimer()
    {
        GraphicsChecker checker;
        NOVAControl control(&checker);
        LogCapture log;
        QElapsedTimer clock;
        clock.start();
        control.loadedPHead01();
        control.loadedPHead01();
        QCOMPARE(log.startingWith(QStringLiteral("[NOVAControl] Timer ")).size(), 1);
        QCOMPARE(log.startingWith(QStringLiteral("[NOVAControl] DirectMode timer: ")).size(), 1);
        // Three tries of one timer take nearly three seconds; two timers would make them
        // in two.
        QTRY_VERIFY_WITH_TIMEOUT(log.count(CannotEnable) >= 3, 8000);
        QVERIFY2(clock.elapsed() >= 2500, qPrintable(QString::number(clock.elapsed())));
    }

    void foreignTimer()
    {
        GraphicsChecker checker;
        NOVAControl control(&checker);
        control.loadedPHead01();
        LogCapture log;
        QTimerEvent event(control.startTimer(60000));
        QCoreApplication::sendEvent(&control, &event);
        QCOMPARE(log.lines(), QStringList { QStringLiteral("[NOVAControl] Error: Unknown timer ID.") });
    }

private:
    std::unique_ptr<SandboxMachine> m_machine;
};

QTEST_GUILESS_MAIN(TestNovaControl)
#include "tst_novacontrol.moc"
