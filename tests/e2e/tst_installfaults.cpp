// Faults of the installation, met in the installed wizard on an X display of the
// test's own: updater runs that fail, crash, talk nonsense or hang, a guide that is
// missing after its run and an install folder that cannot be made. The wizard is
// driven by the keyboard alone and watched through its log and the stand-ins' starts.

#include "Journey.h"
#include "LogCapture.h"
#include "SandboxMachine.h"
#include "WizardProcess.h"
#include "XKeyboard.h"
#include "XvfbDisplay.h"

#include "platform/Processes.h"
#include "platform/Registry.h"

#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QJsonArray>
#include <QTest>

#include <memory>

namespace {

constexpr int EndTimeoutMs = 60000;
constexpr int UpdatersEndMs = 10000;

const QString InstallLoaded = QStringLiteral("[PageManager] Loaded pInstall.qml");
const QString NovaInstalled = QStringLiteral("[InstallManager] Finished installing NOVA");
const QString Resumed = QStringLiteral("[InstallManager] Dialog return asks to resume installation");
const QString UninstallKey
    = QStringLiteral("HKEY_LOCAL_MACHINE\\SOFTWARE\\Microsoft\\Windows\\CurrentVersion\\Uninstall\\NOVA SOFTWARE");
const QString Uninstaller = QStringLiteral("Uninstaller.exe");

// The report pipes of the install steps, in the order the steps run.
const QString UpdaterPipe = QStringLiteral("updater_pipe");
const QString HidRomPipe = QStringLiteral("HidRomCU_pipe");
const QString GuidePipe = QStringLiteral("guide_pipe");
const QString NovaPipe = QStringLiteral("nova_pipe");
const QStringList StepPipes { UpdaterPipe, HidRomPipe, GuidePipe, NovaPipe };

// What the steps log as they start and end.
const QString UpdaterStarts = QStringLiteral("[InstallManager] Download Updater");
const QString UpdaterDone = QStringLiteral("[InstallManager] Finished installing Updater");
const QString HidRomStarts = QStringLiteral("[InstallManager] Download HID_Manager");
const QString HidRomDone = QStringLiteral("[InstallManager] Finished installing Hid_Manager");
const QString GuideStarts = QStringLiteral("[InstallManager] Download and install Guide");
const QString GuideDone = QStringLiteral("[InstallManager] Finished installing Guide");
const QString NovaStarts = QStringLiteral("[InstallManager] Download and install Nova software");

// The updater's scenario: quick, small downloads, and the jobs' own settings. Steam is
// set up beside the software and then waits for a sign-in that never comes, so the
// installation goes no further than the software.
QJsonObject quickUpdater(const QJsonObject &jobs)
{
    return { { QStringLiteral("Updater.exe"),
                 QJsonObject { { QStringLiteral("totalSize"), 4096 }, { QStringLiteral("speed"), 409600 },
                     { QStringLiteral("intervalMs"), 10 }, { QStringLiteral("tasks"), jobs } } },
        { QStringLiteral("Steam.exe"), QJsonObject { { QStringLiteral("signInMs"), -1 } } } };
}

// A job whose first count attempts go as failure says; the attempts after succeed.
QJsonObject failingFirst(int count, const QJsonObject &failure)
{
    QJsonArray attempts;
    for (int i = 0; i < count; ++i)
        attempts.append(failure);
    attempts.append(QJsonObject());
    return { { QStringLiteral("attempts"), attempts } };
}

// The report pipes of the updater's install-step runs so far, in order (the size
// checks and the pre-download report elsewhere).
QStringList stepRuns(const SandboxMachine &machine)
{
    QStringList pipes;
    for (const QStringList &arguments : peerArguments(machine, QStringLiteral("Updater.exe"))) {
        for (const QString &argument : arguments) {
            if (argument.startsWith(QLatin1String("-NP:")) && StepPipes.contains(argument.mid(4)))
                pipes.append(argument.mid(4));
        }
    }
    return pipes;
}

// The process id of the updater run that reports on pipe; 0 until it has started.
qint64 updaterReportingOn(const SandboxMachine &machine, const QString &pipe)
{
    for (const QJsonObject &start : peerStartsOf(machine, QStringLiteral("Updater.exe"))) {
        if (start.value(QLatin1String("arguments")).toVariant().toStringList().contains(QStringLiteral("-NP:") + pipe))
            return qint64(start.value(QLatin1String("pid")).toDouble());
    }
    return 0;
}

// The step runs of an installation whose step failedStep (an index into StepPipes)
// failed runs times, as they stand when its dialog shows and once it has gone on.
QStringList runsUpToDialog(int failedStep, int runs)
{
    QStringList pipes = StepPipes.mid(0, failedStep);
    for (int i = 0; i < runs; ++i)
        pipes.append(StepPipes.at(failedStep));
    return pipes;
}
QStringList runsToTheEnd(int failedStep, int runs)
{
    return runsUpToDialog(failedStep, runs) + StepPipes.mid(failedStep);
}

// The ids of the dialogs the dialog manager showed, in order.
QStringList shownDialogs(const QStringList &lines)
{
    static const QStringList prefixes { QStringLiteral("[DialogManager] Show dialog "),
        QStringLiteral("[DialogManager] Show bigDialog ") };
    QStringList ids;
    for (const QString &line : lines) {
        for (const QString &prefix : prefixes) {
            if (line.startsWith(prefix))
                ids.append(line.mid(prefix.size()));
        }
    }
    return ids;
}

QString lastPageLoaded(const QStringList &lines)
{
    const QStringList loaded = lines.filter(QStringLiteral("[PageManager] Loaded "));
    return loaded.isEmpty() ? QString() : loaded.last();
}

bool quitStarted(const QStringList &lines)
{
    return !lines.filter(QStringLiteral("[PageManager] prepareToQuit")).isEmpty();
}

QString tryAgainAnswer(const QString &dialog, const QString &title)
{
    return QStringLiteral("[DialogManager] Dialog [%1, %2] returned, result: [1, TRY AGAIN]").arg(dialog, title);
}

} // namespace

class TestInstallFaults : public QObject {
    Q_OBJECT

private slots:
    void initTestCase()
    {
        QVERIFY2(m_display.start(), qPrintable(m_display.errorString()));
        m_keyboard = std::make_unique<XKeyboard>(m_display.name());
    }

    void faultIsMetAndTryAgainResumes_data()
    {
        QTest::addColumn<QJsonObject>("jobs"); // the updater's jobs
        QTest::addColumn<bool>("folderBlocked"); // a plain file where the install folder goes
        QTest::addColumn<QString>("dialog"); // none: the installation goes on by itself
        // Lines in order until the dialog shows (without one, of the whole run); <folder>
        // stands for the install folder as logged.
        QTest::addColumn<QStringList>("toDialog");
        QTest::addColumn<QStringList>("afterwards"); // lines in order after TRY AGAIN
        QTest::addColumn<int>("failedStep"); // index into StepPipes
        QTest::addColumn<int>("failedRuns"); // of that step before the dialog

        const QString in002 = QStringLiteral("IN002");
        const QString downloadTitle = QStringLiteral("Couldn't download NOVA software");
        const QString finished = QStringLiteral("[NovaParser] Successful exit");
        // Exit code 1 ("UpdateFail") is retried once, 5 ("DownloadFail") three times.
        const QJsonObject updateFail { { QStringLiteral("exitCode"), 1 } };
        const QJsonObject downloadFail { { QStringLiteral("exitCode"), 5 } };

        QTest::newRow("updater fails twice: one retry")
            << QJsonObject { { QStringLiteral("updater"), failingFirst(2, updateFail) } } << false << in002
            << QStringList { UpdaterStarts, QStringLiteral("[NovaParser] autoRetry Update 1 times."), UpdaterStarts,
                   QStringLiteral("[InstallManager] Failed to install Updater") }
            << QStringList { tryAgainAnswer(in002, downloadTitle), Resumed, UpdaterStarts, UpdaterDone, HidRomDone,
                   GuideDone, NovaInstalled }
            << 0 << 2;

        QStringList retries;
        for (int retry = 1; retry <= 3; ++retry)
            retries << NovaStarts << QStringLiteral("[NovaParser] autoRetry Download %1 times.").arg(retry);
        QTest::newRow("software fails four times: three retries")
            << QJsonObject { { QStringLiteral("software"), failingFirst(4, downloadFail) } } << false << in002
            << QStringList { GuideDone } + retries
                + QStringList { NovaStarts, QStringLiteral("[InstallManager] Failed to install Nova software, error") }
            << QStringList { tryAgainAnswer(in002, downloadTitle), Resumed, NovaStarts, NovaInstalled } << 3 << 4;

        // The guide's run succeeds but leaves no guide program.
        QTest::newRow("guide missing after its run")
            << QJsonObject { { QStringLiteral("guide"), failingFirst(1, { { QStringLiteral("effects"), false } }) } }
            << false << in002
            << QStringList { UpdaterDone, GuideStarts, finished, GuideDone,
                   QStringLiteral("[InstallManager] Guide file doesn't exist"),
                   QStringLiteral("[InstallManager] ERROR: Failed to install Guide") }
            << QStringList { tryAgainAnswer(in002, downloadTitle), Resumed, GuideStarts, GuideDone, NovaStarts,
                   NovaInstalled }
            << 2 << 1;

        QTest::newRow("headset tools crash")
            << QJsonObject { { QStringLiteral("hidRom"),
                   failingFirst(1, { { QStringLiteral("fault"), QStringLiteral("crash") } }) } }
            << false << in002
            << QStringList { UpdaterDone, HidRomStarts, QStringLiteral("[NovaParser] ERROR: process error 1"),
                   QStringLiteral("[InstallManager] Failed to install Hid_Manager") }
            << QStringList { tryAgainAnswer(in002, downloadTitle), Resumed, HidRomStarts, HidRomDone, GuideDone,
                   NovaInstalled }
            << 1 << 1;

        // Nonsense on the pipe is logged and passed over: the run's report counts.
        QTest::newRow("garbage on the software's pipe")
            << QJsonObject { { QStringLiteral("software"),
                   QJsonObject { { QStringLiteral("fault"), QStringLiteral("garbage") } } } }
            << false << QString()
            << QStringList { NovaStarts, QStringLiteral("[NovaParser] ERROR: No sizes to parse"),
                   QStringLiteral("[NovaParser] ERROR: Cannot parse sizes properly"), finished, NovaInstalled }
            << QStringList() << 3 << 0;

        const QString createFolder = QStringLiteral("[InstallManager] Create folder for <folder>");
        QTest::newRow("install folder cannot be made")
            << QJsonObject() << true << QStringLiteral("IN001")
            << QStringList { createFolder,
                   QStringLiteral("[InstallManager] WARNING: Failed to create folder for <folder>") }
            << QStringList { tryAgainAnswer(QStringLiteral("IN001"), QStringLiteral("Couldn't install NOVA software")),
                   Resumed, createFolder, UpdaterStarts, UpdaterDone, HidRomDone, GuideDone, NovaInstalled }
            << 0 << 0;
    }

    // The failure's dialog shows once, with the page still installing and nothing run
    // past the failed step; TRY AGAIN (where the keyboard starts) runs that step again
    // and the installation goes on to the end of the main software.
    void faultIsMetAndTryAgainResumes()
    {
        QFETCH(QJsonObject, jobs);
        QFETCH(bool, folderBlocked);
        QFETCH(QString, dialog);
        QFETCH(QStringList, toDialog);
        QFETCH(QStringList, afterwards);
        QFETCH(int, failedStep);
        QFETCH(int, failedRuns);
        SandboxMachine machine;
        preparePassingPc(machine);
        machine.writeScenario(quickUpdater(jobs));
        const QString installFolder = machine.path(QStringLiteral("opt/NOVA"));
        const QString loggedFolder = QString(installFolder).replace(QLatin1Char('/'), QLatin1Char('\\'));
        toDialog.replaceInStrings(QStringLiteral("<folder>"), loggedFolder);
        afterwards.replaceInStrings(QStringLiteral("<folder>"), loggedFolder);
        if (folderBlocked) {
            QVERIFY(QDir().mkpath(QFileInfo(installFolder).path()));
            QVERIFY(QFile(installFolder).open(QIODevice::WriteOnly));
        }
        WizardProcess wizard(machine);
        startInstalling(machine, wizard);
        if (QTest::currentTestFailed())
            return;

        QString missing;
        if (dialog.isEmpty()) {
            QTRY_VERIFY_WITH_TIMEOUT(wizard.logLines().contains(NovaInstalled), EndTimeoutMs);
            QVERIFY2(linesInOrder(wizard.logLines(), toDialog, &missing), qPrintable(missing));
        } else {
            QTRY_VERIFY_WITH_TIMEOUT(
                wizard.logLines().contains(QStringLiteral("[main] Show dialog ") + dialog), EndTimeoutMs);
            const QStringList lines = wizard.logLines();
            QVERIFY2(linesInOrder(lines, toDialog, &missing), qPrintable(missing));
            QCOMPARE(lastPageLoaded(lines), InstallLoaded);
            QVERIFY(!quitStarted(lines));
            QCOMPARE(stepRuns(machine), runsUpToDialog(failedStep, failedRuns));

            if (folderBlocked)
                QVERIFY(QFile::remove(installFolder));
            press({ QStringLiteral("Return") }); // TRY AGAIN
            QTRY_VERIFY_WITH_TIMEOUT(wizard.logLines().contains(NovaInstalled), EndTimeoutMs);
            QVERIFY2(linesInOrder(wizard.logLines(), toDialog + afterwards, &missing), qPrintable(missing));
        }
        const QStringList lines = wizard.logLines();
        QCOMPARE(shownDialogs(lines), dialog.isEmpty() ? QStringList() : QStringList { dialog });
        QCOMPARE(stepRuns(machine), runsToTheEnd(failedStep, failedRuns));
        QCOMPARE(lastPageLoaded(lines), InstallLoaded);
        QVERIFY(!quitStarted(lines));
        QVERIFY(QFileInfo(installFolder + QStringLiteral("/Updater/Updater.exe")).isFile());
    }

    void closingWhileInstallingEndsTheUpdaters_data()
    {
        QTest::addColumn<QStringList>("keys");
        QTest::addColumn<QStringList>("dialogs");
        QTest::addColumn<QStringList>("closing");
        const QString quitNormal = QStringLiteral("[PageManager] prepareToQuit: normal");
        // Escape asks first; the keyboard starts on BACK, Tab moves to QUIT SETUP.
        QTest::newRow("Escape, QUIT SETUP")
            << (QStringList { QStringLiteral("Escape") } + afterTabs(1, QStringLiteral("space")))
            << QStringList { QStringLiteral("CO005") }
            << QStringList { QStringLiteral(
                                 "[DialogManager] Dialog [CO005, Quit NOVA Tundra Setup?] returned, result: [0, QUIT "
                                 "SETUP]"),
                   quitNormal };
        // Tab from the page: Minimize, Close.
        QTest::newRow("header's close button")
            << afterTabs(2, QStringLiteral("space")) << QStringList()
            << QStringList { QStringLiteral("[main] Close app from taskbar."), quitNormal };
    }

    // The window closed while the software's updater runs: the wizard ends every
    // updater and opens the uninstall window of the product's entry.
    void closingWhileInstallingEndsTheUpdaters()
    {
        QFETCH(QStringList, keys);
        QFETCH(QStringList, dialogs);
        QFETCH(QStringList, closing);
        SandboxMachine machine;
        preparePassingPc(machine);
        machine.writeScenario(quickUpdater(
            { { QStringLiteral("software"), QJsonObject { { QStringLiteral("fault"), QStringLiteral("hang") } } } }));
        const QString uninstaller = machine.installPeer(QStringLiteral("opt/NOVA"), Uninstaller);
        platform::Registry::write(UninstallKey, QStringLiteral("UninstallString"),
            QString(QLatin1Char('"') + uninstaller + QStringLiteral("\" /S")));
        WizardProcess wizard(machine);
        startInstalling(machine, wizard);
        if (QTest::currentTestFailed())
            return;
        qint64 hanging = 0;
        QTRY_VERIFY_WITH_TIMEOUT((hanging = updaterReportingOn(machine, NovaPipe)) != 0, EndTimeoutMs);
        QVERIFY(platform::Processes::isRunning(hanging));

        press(keys);
        QCOMPARE(wizard.waitForExit(EndTimeoutMs), 0);
        const QStringList expected = QStringList { NovaStarts } + closing
            + QStringList { QStringLiteral("[PageManager] Install not finished, show uninstall window."),
                  QStringLiteral("[Closer] closing start"), QStringLiteral("[InstallManager] Stop running Updater"),
                  QStringLiteral("[Closer] closing done") };
        QString missing;
        QVERIFY2(linesInOrder(wizard.logLines(), expected, &missing), qPrintable(missing));
        // Ended by the wizard, not by its own watch on the wizard's end.
        QVERIFY(wizard.logLines().contains(QStringLiteral("[Utils] Killed process %1").arg(hanging)));
        QCOMPARE(shownDialogs(wizard.logLines()), dialogs);
        QTRY_VERIFY_WITH_TIMEOUT(
            platform::Processes::find(QStringLiteral("Updater.exe"), platform::Processes::Match::Name).isEmpty(),
            UpdatersEndMs);
        QTRY_COMPARE_WITH_TIMEOUT(
            peerArguments(machine, Uninstaller), QList<QStringList> { { QStringLiteral("/S") } }, EndTimeoutMs);
        QVERIFY(!wizard.logLines().contains(NovaInstalled));
    }

private:
    void press(const QStringList &keys) { pressKeys(*m_keyboard, keys); }

    // With the stand-in updater in the program folder, from the health page of a
    // passing PC to the install page: the folder page's INSTALL once the sizes are known.
    void startInstalling(const SandboxMachine &machine, WizardProcess &wizard)
    {
        QVERIFY(wizard.installUpdater());
        QVERIFY(installSteamClientTools(machine, wizard));
        startOnHealthAndGoToFolder(wizard, *m_keyboard);
        if (QTest::currentTestFailed())
            return;
        QTRY_VERIFY_WITH_TIMEOUT(
            !wizard.logLines().filter(QStringLiteral("[pFolder] Space required: ")).isEmpty(), PageTimeoutMs);
        press({ QStringLiteral("Return") }); // INSTALL
        QTRY_VERIFY_WITH_TIMEOUT(wizard.logLines().contains(InstallLoaded), PageTimeoutMs);
    }

    XvfbDisplay m_display;
    std::unique_ptr<XKeyboard> m_keyboard;
};

QTEST_GUILESS_MAIN(TestInstallFaults)
#include "tst_installfaults.moc"
