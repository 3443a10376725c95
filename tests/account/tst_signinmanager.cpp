#include "LogCapture.h"
#include "SandboxMachine.h"

#include "account/flow/SigninManager.h"
#include "checks/flow/NetFxUtil.h"
#include "core/Utils.h"
#include "install/CAsyncNamedPipe.h"
#include "install/UpdaterLauncher.h"
#include "platform/Registry.h"

#include <QProcess>
#include <QSignalSpy>
#include <QTest>

namespace {

constexpr int WaitMs = 10000;

} // namespace

// The account package's request: prepared on the worker thread and handed to the
// launcher, which starts nothing for it.
class tst_SigninManager : public QObject {
    Q_OBJECT

private slots:
    void accountRequest_data()
    {
        QTest::addColumn<bool>("isNoAccount");
        QTest::addColumn<quint32>("release");
        QTest::addColumn<QString>("endLine");
        QTest::newRow("requested") << false << CNetFxUtil::RequiredRelease
                                   << QStringLiteral("[SigninManager] installAccountImpl-");
        QTest::newRow("no account asked for") << true << CNetFxUtil::RequiredRelease
                                              << QStringLiteral("[SigninManager] No need to install account, return");
        QTest::newRow(".NET Framework too old")
            << false << CNetFxUtil::RequiredRelease - 1
            << QStringLiteral("[SigninManager] WARNING: .Net framework version not new enough, abort.");
    }

    void accountRequest()
    {
        QFETCH(bool, isNoAccount);
        QFETCH(quint32, release);
        QFETCH(QString, endLine);
        SandboxMachine machine;
        platform::Registry::write(CNetFxUtil::ReleaseKey, QStringLiteral("Release"), release);
        platform::Registry::write(
            Utils::RegKeltNova, QStringLiteral("SystemPath"), machine.path(QStringLiteral("opt/NOVA")));
        LogCapture log;
        QObject root;
        CNetFxUtil netFx(&root, nullptr, machine.root());
        UpdaterLauncher launcher(false);
        SigninManager signins(&root, &netFx, nullptr, isNoAccount);
        QList<QProcess *> processes;
        QStringList folders;
        connect(&signins, &SigninManager::updaterInstallAccount, &launcher, &UpdaterLauncher::installAccount,
            Qt::DirectConnection);
        connect(
            &signins, &SigninManager::updaterInstallAccount, this,
            [&](QProcess *process, const QString &folder, const QString &pipe) {
                processes.append(process);
                folders.append(folder + QLatin1Char('|') + pipe);
            },
            Qt::DirectConnection);
        emit signins.installAccount();
        QTRY_VERIFY_WITH_TIMEOUT(log.contains(endLine), WaitMs);
        QCOMPARE(log.contains(QStringLiteral("[SigninManager] installAccountImpl+")), !isNoAccount);
        const bool requested = endLine.endsWith(QLatin1String("installAccountImpl-"));
        QCOMPARE(processes.size(), requested ? 1 : 0);
        // Only a request serves the account pipe.
        CAsyncNamedPipe pipe(QStringLiteral("\\\\.\\pipe\\account_pipe"), 500);
        QString reply;
        QCOMPARE(pipe.CallNamedPipeW(QStringLiteral("Hello"), reply), requested);
        if (!requested)
            return;
        QCOMPARE(folders.first(), machine.path(QStringLiteral("opt/NOVA/Updater")) + QStringLiteral("|account_pipe"));
        // The launcher starts nothing, so no result ever comes.
        QCOMPARE(processes.first()->state(), QProcess::NotRunning);
        QTest::qWait(200);
        QVERIFY(!root.property("signinState").isValid());
    }
};

QTEST_GUILESS_MAIN(tst_SigninManager)
#include "tst_signinmanager.moc"
