#include "LogCapture.h"
#include "SandboxMachine.h"
#include "WizardProcess.h"
#include "XKeyboard.h"
#include "XvfbDisplay.h"

#include "platform/NamedEvent.h"
#include "platform/Registry.h"

#include <QTest>

#include <cerrno>
#include <sys/stat.h>
#include <unistd.h>

namespace {

// The start-up lines every run logs, in their order.
const QStringList StartupLines = {
    QStringLiteral("[main] Opened log file."),
    QStringLiteral("[main] Create and set event ORVEN_OOBE_FLOW"),
    QStringLiteral("[main] Set HKEY_LOCAL_MACHINE\\Software\\KeltNova\\Version: NovaTundraInstall_1.0.121.0"),
    QStringLiteral("[main] Close CU"),
    QStringLiteral("[main] Error: Close CU fail."),
    QStringLiteral("[main] Close NovaSettings"),
    QStringLiteral("[main] Error: Close NovaSettings fail."),
    QStringLiteral("[main] Init application"),
    QStringLiteral("[main] execut MngProgData.exe"),
    QStringLiteral("[main] Register resource"),
    QStringLiteral("[main] Write registry for crash dump."),
    QStringLiteral("[main] Error: Write crash dump registry failed."),
    QStringLiteral("[main] Write registry to hide updaterInstallHelper window."),
    QStringLiteral("[main] Kill NOVAPORT_Signin.exe process"),
    QStringLiteral("[main] Init lang"),
    QStringLiteral("[main] Init app engine"),
    QStringLiteral("[main] Load QML"),
    QStringLiteral("[main] Obtain QML root"),
    QStringLiteral("[main] Init other objects"),
    QStringLiteral("[main] Connect signal-slots"),
    QStringLiteral("[main] Execute app"),
    QStringLiteral("[ParamHandler] onFirstActive"),
};

} // namespace

class TestStartup : public QObject {
    Q_OBJECT

private slots:
    void startsTellsTheCallerAndAnnouncesItself()
    {
        SandboxMachine machine;
        WizardProcess wizard(machine);
        QVERIFY(wizard.install());
        QVERIFY(wizard.startAndWaitForWindow());

        QString missing;
        QVERIFY2(linesInOrder(wizard.logLines(), StartupLines, &missing), qPrintable(missing));
        QCOMPARE(platform::Registry::read(
                     QStringLiteral("HKEY_LOCAL_MACHINE\\Software\\KeltNova"), QStringLiteral("Version")),
            QVariant(QStringLiteral("NovaTundraInstall_1.0.121.0")));
        QCOMPARE(platform::Registry::read(
                     QStringLiteral("HKEY_LOCAL_MACHINE\\Software\\KeltNova"), QStringLiteral("NoHelperMessage")),
            QVariant(QStringLiteral("Y")));

        platform::NamedEvent flow(QStringLiteral("ORVEN_OOBE_FLOW"));
        QVERIFY(flow.open());
        QVERIFY(flow.isSet());
        flow.close();
        wizard.kill();
        // Gone with the process, however it ended: at once, or, when the kill came while
        // the wizard was starting a program, as soon as that child has left the
        // descriptors it was forked with behind in its exec.
        QTRY_VERIFY_WITH_TIMEOUT(!flow.open(), 5000);
    }

    // A lock that another user keeps on the flow event's guard costs the event, not the
    // start: the wizard logs the failure and still reaches its first frame.
    void startsWhileAnotherUserHoldsTheEventGuard()
    {
        SandboxMachine machine;
        QVERIFY(platform::NamedEvent(QStringLiteral("ORVEN_OOBE_FLOW")).create(false)); // an earlier run's files
        QStringList holdGuard { QStringLiteral("flock"),
            machine.path(QStringLiteral("events/ORVEN_OOBE_FLOW.event.guard")) };
        if (::geteuid() == 0) {
            QCOMPARE(::chmod(QFile::encodeName(machine.root()).constData(), 0711), 0); // others may pass
            holdGuard = QStringList { QStringLiteral("--uid"), QStringLiteral("65534") } + holdGuard;
        }
        QProcess holder;
        QVERIFY(startAndWaitForLine(holder, builtProgram(QStringLiteral("nova-test-helper")), holdGuard, "locked"));

        WizardProcess wizard(machine);
        QVERIFY(wizard.install());
        QVERIFY(wizard.startAndWaitForWindow());
        QVERIFY(wizard.logLines().contains(
            QStringLiteral("[main] WARNING: Cannot set event ORVEN_OOBE_FLOW, error: %1").arg(EWOULDBLOCK)));
        wizard.kill();
        holder.kill();
        holder.waitForFinished();
    }

    // On an X display the EGL probe answers from its own process: the wizard's window
    // comes up with the probe's line logged, and neither an EGL library nor the driver's
    // compiler library was ever loaded into the wizard.
    void probesEglOutsideItsOwnProcess()
    {
        XvfbDisplay display;
        QVERIFY2(display.start(), qPrintable(display.errorString()));
        XKeyboard keyboard(display.name());
        SandboxMachine machine;
        WizardProcess wizard(machine);
        QVERIFY(wizard.install());
        QVERIFY(wizard.startAndWaitForWindow(keyboard));

        QFile maps(QStringLiteral("/proc/%1/maps").arg(wizard.pid()));
        QVERIFY(maps.open(QIODevice::ReadOnly));
        const QByteArray mapped = maps.readAll();
        QVERIFY(mapped.contains("libQt5Gui"));
        for (const char *library : { "libEGL", "libLLVM" })
            QVERIFY2(!mapped.contains(library), library);
        const QStringList lines = wizard.logLines();
        const bool answered = lines.contains(QStringLiteral("[main] egl initializ success!"))
            || lines.contains(QStringLiteral("[main] egl initializ error! Change to Qt::AA_UseSoftwareOpenGL"));
        QVERIFY(answered);
    }

    void windowLoadsFromTheDevelopmentTreeResources()
    {
        SandboxMachine machine;
        WizardProcess wizard(machine);
        QVERIFY(wizard.install(false));
        QVERIFY(wizard.startAndWaitForWindow());
        QVERIFY(!wizard.logLines().contains(QStringLiteral("[main] ERROR: Cannot load the main window")));
    }
};

QTEST_GUILESS_MAIN(TestStartup)
#include "tst_startup.moc"
