#include "LogCapture.h"
#include "SessionBus.h"
#include "WizardFixture.h"
#include "WizardTest.h"

#include "account/flow/SigninManager.h"
#include "core/Utils.h"
#include "platform/Registry.h"
#include "wizard/PageManager.h"

#include <QElapsedTimer>
#include <QFile>
#include <QJsonObject>
#include <QProcess>
#include <QTest>

#include <memory>

namespace {

constexpr int WaitMs = 15000;
const QString Manager = QStringLiteral("KeltAccountManager.exe");
const QString SignInRuns = QStringLiteral("[KeltSignin]:: addAccount ::");
const QString Requests = QStringLiteral("[KeltSignin] Ask Account Manager to add account");

} // namespace

// The account sign-in page on the real window with the program's managers, against
// the stand-in account manager on a session bus of the test's own.
class tst_SigninPage : public WizardTest {
    Q_OBJECT

private slots:
    // The page asks for its state as it loads; its button starts one sign-in, and a
    // second press while that waits asks the account manager again on the same run.
    // The answer signs the user in and the page goes on.
    void buttonStartsOneSignInAndAsksAgain()
    {
        QVERIFY(startManager({ { QStringLiteral("delayMs"), 2500 } }));
        LogCapture log;
        WizardFixture wizard;
        loadSigninPage(wizard);
        QTRY_VERIFY_WITH_TIMEOUT(log.contains(QStringLiteral("[pKeltSignin] handleState(0), signinState: 0")), WaitMs);

        // The account package is in: the button asks the account manager.
        wizard.root()->setProperty("signinState", 1);
        QObject *page = wizard.find(QStringLiteral("pKeltSignin"));
        QVERIFY(page);
        QMetaObject::invokeMethod(page, "nextClicked");
        QTRY_COMPARE_WITH_TIMEOUT(log.count(Requests), 1, WaitMs);
        QMetaObject::invokeMethod(page, "nextClicked");
        QTRY_COMPARE_WITH_TIMEOUT(log.count(Requests), 2, WaitMs);
        QVERIFY(log.contains(QStringLiteral("[KeltSignin] Ask the while loop to add Account again")));
        QCOMPARE(log.count(SignInRuns), 1);

        QTRY_COMPARE_WITH_TIMEOUT(wizard.root()->property("signinState").toInt(), 3, WaitMs);
        QCOMPARE(log.count(SignInRuns), 1);
        QCOMPARE(platform::Registry::read(Utils::RegUserSettings, QStringLiteral("CurrentUserId")).toString(),
            QStringLiteral("kelt-user-0001"));
    }

    // The program ends while a sign-in waits for an account manager that never answers:
    // the wait ends with it, within the bounded stop, and no thread is left behind.
    void quittingEndsAWaitingSignIn()
    {
        QVERIFY(startManager({ { QStringLiteral("answer"), QStringLiteral("never") } }));
        LogCapture log;
        auto wizard = std::make_unique<WizardFixture>();
        loadSigninPage(*wizard);
        wizard->root()->setProperty("signinState", 1);
        QObject *page = wizard->find(QStringLiteral("pKeltSignin"));
        QVERIFY(page);
        QMetaObject::invokeMethod(page, "nextClicked");
        QTRY_VERIFY_WITH_TIMEOUT(
            log.contains(QStringLiteral("[KeltSignin] Wait for Account Manager callback")), WaitMs);

        QElapsedTimer ending;
        ending.start();
        wizard.reset();
        QVERIFY2(ending.elapsed() < 10000, qPrintable(QString::number(ending.elapsed())));
        QVERIFY(log.contains(QStringLiteral("[KeltSignin] Stop waiting callback.")));
        QVERIFY(!platform::Registry::read(Utils::RegUserSettings, QStringLiteral("CurrentUserId")).isValid());
    }

private:
    // The account manager on a bus of the test's own; both end with the test's machine.
    bool startManager(const QJsonObject &settings)
    {
        // The previous test's, if any, went with its machine.
        m_manager.kill();
        m_manager.waitForFinished();
        m_bus.reset();
        m_bus = std::make_unique<SessionBus>();
        if (!m_bus->start())
            return false;
        m_machine->writeScenario({ { Manager, settings } });
        const QString program = m_machine->installPeer(QStringLiteral("opt/Kelt"), Manager);
        return !program.isEmpty() && startAndWaitForLine(m_manager, program, {}, "ready");
    }

    // The sign-in page on the window, and the page flow's report that it is up (the
    // flow itself has no sign-in page to go to).
    static void loadSigninPage(const WizardFixture &wizard)
    {
        QMetaObject::invokeMethod(
            wizard.find(QStringLiteral("pageLoader")), "load", Q_ARG(QVariant, QStringLiteral("pKeltSignin.qml")));
        emit wizard.pages().loadedPSignin();
    }

    std::unique_ptr<SessionBus> m_bus;
    QProcess m_manager;
};

QTEST_MAIN(tst_SigninPage)
#include "tst_signinpage.moc"
