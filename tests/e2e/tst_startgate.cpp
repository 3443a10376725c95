// The start-up gate with installed wizards as separate processes in one sandbox
// machine, offscreen: racing starts and the pre-download. Watched from outside,
// through each wizard's log.

#include "SandboxMachine.h"
#include "WizardProcess.h"

#include <QDir>
#include <QProcess>
#include <QTest>

#include <algorithm>
#include <memory>
#include <vector>

namespace {

constexpr int StartTimeoutMs = 120000;
const QString Acquired = QStringLiteral("[Guard] Acquired lock");
const QString Refused
    = QStringLiteral("[Guard] WARNING: Another instance of Global\\QOR_INSTALLER is already running.");

bool startsWithAny(const QStringList &lines, const QString &prefix)
{
    return std::any_of(lines.begin(), lines.end(), [&](const QString &line) { return line.startsWith(prefix); });
}

} // namespace

class tst_StartGate : public QObject {
    Q_OBJECT

private slots:
    // Copies started at the same moment: exactly one takes the lock, every other one
    // is refused with "CO001".
    void racingStartsLetOneThrough()
    {
        // tests/soak/racing-starts runs it with more copies.
        const int copiesWanted = qEnvironmentVariableIntValue("NOVA_RACE_COPIES");
        const int roundsWanted = qEnvironmentVariableIntValue("NOVA_RACE_ROUNDS");
        const int Copies = copiesWanted > 0 ? copiesWanted : 20;
        const int Rounds = roundsWanted > 0 ? roundsWanted : 5;
        SandboxMachine machine;
        WizardProcess installed(machine);
        QVERIFY(installed.install());
        const QString program = installed.programFolder() + QStringLiteral("/NovaEyeInstall");
        for (int round = 0; round < Rounds; ++round) {
            std::vector<std::unique_ptr<QProcess>> copies;
            for (int i = 0; i < Copies; ++i) {
                copies.push_back(std::make_unique<QProcess>());
                copies.back()->setProcessEnvironment(WizardProcess::offscreenEnvironment());
                copies.back()->setProcessChannelMode(QProcess::ForwardedErrorChannel);
            }
            for (auto &copy : copies)
                copy->start(program, QStringList());
            int through = 0;
            int refused = 0;
            for (auto &copy : copies) {
                QVERIFY(copy->waitForStarted());
                const qint64 pid = copy->processId();
                const auto decided = [&] {
                    const QStringList lines = WizardProcess::logLinesOf(machine, pid);
                    return lines.contains(Acquired)
                        || (startsWithAny(lines, Refused)
                            && lines.contains(QStringLiteral("[main] Show dialog CO001")));
                };
                QVERIFY2(QTest::qWaitFor(decided, StartTimeoutMs), qPrintable(QString::number(pid)));
                const QStringList lines = WizardProcess::logLinesOf(machine, pid);
                through += lines.contains(Acquired);
                refused += startsWithAny(lines, Refused);
            }
            for (auto &copy : copies) {
                copy->kill();
                copy->waitForFinished();
            }
            qInfo("Round %d: %d of %d copies took the lock, %d were refused", round + 1, through, Copies, refused);
            QCOMPARE(through, 1);
            QCOMPARE(refused, Copies - 1);
            QDir(machine.path(QStringLiteral("Temp/NovaSetupTempLog"))).removeRecursively();
        }
    }

    // Once the guard has passed, the pre-download starts the updater once, with its
    // job's command line, and the driver check runs again after it.
    void predownloadRunsOnce()
    {
        SandboxMachine machine;
        WizardProcess wizard(machine);
        QVERIFY(wizard.install());
        QVERIFY(wizard.installUpdater());
        QVERIFY(wizard.startAndWaitForWindow());
        QTRY_VERIFY_WITH_TIMEOUT(
            wizard.logLines().contains(QStringLiteral("[Predownloader] download success!")), StartTimeoutMs);
        QVERIFY(wizard.logLines().contains(Acquired));
        // The size checks of the folder page start the updater too, on pipes of their own.
        QCOMPARE(machine.peerStarts().filter(QStringLiteral("-NP:predownload_pipe")),
            QStringList { QStringLiteral("Updater.exe NOVAEYE_SOFTWARE com.kelt.windows.nova_eye.oobe_config "
                                         "-SkipAdditionTasks -NoUI -NP:predownload_pipe -OOBE -ExitWhenParentDie:")
                + QString::number(wizard.pid()) });
        QTRY_VERIFY_WITH_TIMEOUT(
            wizard.logLines().contains(QStringLiteral("[CheckManager] Check gpu driver.")), StartTimeoutMs);
    }
};

QTEST_GUILESS_MAIN(tst_StartGate)
#include "tst_startgate.moc"
