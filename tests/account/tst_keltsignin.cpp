#include "LogCapture.h"
#include "SandboxMachine.h"
#include "SessionBus.h"

#include "account/KeltSignin.h"
#include "core/Utils.h"

#include <QDir>
#include <QElapsedTimer>
#include <QFile>
#include <QJsonArray>
#include <QJsonDocument>
#include <QJsonObject>
#include <QTest>
#include <QUuid>

#include <memory>

namespace {

const QString Manager = QStringLiteral("KeltAccountManager.exe");

const QString Asking = QStringLiteral("[KeltSignin] Ask Account Manager to add account");
const QString Waiting = QStringLiteral("[KeltSignin] Wait for Account Manager callback");
const QString Stopped = QStringLiteral("[KeltSignin] Stop waiting callback.");
const QString Done = QStringLiteral("[KeltSignin] Done");
// Every sign-in that reaches the account manager begins so.
const QStringList Asked { QStringLiteral("[KeltSignin]:: addAccount ::"), Asking, Waiting };
const QStringList Listing { QStringLiteral(
                                "[KeltSignin] :: checkAccounts :: Check whether we have added account successfully"),
    QStringLiteral("[KeltSignin] Get accounts from Account Manager") };
const QString Found = QStringLiteral("[KeltSignin]mAccountID found");

QStringList element(int index)
{
    return { QStringLiteral("[KeltSignin] Getting element from accounts, index: %1").arg(index),
        QStringLiteral("[KeltSignin] Got element") };
}

QStringList signinLines(const LogCapture &log)
{
    return log.startingWith(QStringLiteral("[KeltSignin]"));
}

QStringList callbackAndSignin(const LogCapture &log)
{
    QStringList lines;
    for (const QString &line : log.lines()) {
        if (line.startsWith(QLatin1String("[KeltSignin]"))
            || line.startsWith(QLatin1String("[AccountManagerCallbackProxy]")))
            lines << line;
    }
    return lines;
}

QVariant currentUserId()
{
    return Utils::readRegValue(Utils::RegUserSettings, QStringLiteral("CurrentUserId"));
}

int threadCount()
{
    return QDir(QStringLiteral("/proc/self/task")).entryList(QDir::Dirs | QDir::NoDotAndDotDot).size();
}

bool finishes(const KeltSignin &signin, int timeoutMs)
{
    return QTest::qWaitFor([&] { return signin.isFinished(); }, timeoutMs);
}

} // namespace

// The sign-in thread against the stand-in account manager, a real process on a session
// bus of the test's own, in a sandbox machine.
class tst_KeltSignin : public QObject {
    Q_OBJECT

private slots:
    void init()
    {
        m_machine = std::make_unique<SandboxMachine>();
        m_bus = std::make_unique<SessionBus>();
        QVERIFY2(m_bus->start(), qPrintable(m_bus->errorString()));
    }
    void cleanup()
    {
        stopProcess(m_manager);
        m_bus.reset();
        m_machine.reset();
    }

    void signIn_data()
    {
        QTest::addColumn<QString>("answer");
        QTest::addColumn<QStringList>("lines"); // after the request
        QTest::addColumn<QString>("userId");
        const QString user = QStringLiteral("kelt-user-0042");
        const QStringList signedIn { QStringLiteral("[AccountManagerCallbackProxy]callback : 0"),
            QStringLiteral("[AccountManagerCallbackProxy] token: kelt-token-0001"),
            QStringLiteral("[KeltSignin] Account Manager answered: 0") };
        QTest::newRow("signed in") << QStringLiteral("success")
                                   << signedIn + Listing + element(0) + QStringList { Found, Done } << user;
        QTest::newRow("dialog closed") << QStringLiteral("cancel")
                                       << QStringList { QStringLiteral("[AccountManagerCallbackProxy]callback : 1"),
                                              QStringLiteral("[KeltSignin] Account Manager answered: 1") }
                + Listing + QStringList { Done }
                                       << QString();
        QTest::newRow("first account with an id")
            << QStringLiteral("several") << signedIn + Listing + element(0) + element(1) + QStringList { Found, Done }
            << user;
    }
    void signIn()
    {
        QFETCH(QString, answer);
        QVERIFY(startManager(
            { { QStringLiteral("answer"), answer }, { QStringLiteral("userId"), QStringLiteral("kelt-user-0042") } }));
        LogCapture log;
        KeltSignin signin;
        QVERIFY(signin.checkComExist());
        signin.start();
        QVERIFY(finishes(signin, 10000));

        QFETCH(QStringList, lines);
        QCOMPARE(
            callbackAndSignin(log), QStringList { QStringLiteral("[KeltSignin] checkComExist : 1") } + Asked + lines);
        // The answer reaches the callback on the sign-in's own thread.
        QCOMPARE(log.threadOf(Asked.first()), static_cast<QThread *>(&signin));
        QCOMPARE(
            log.threadOf(QStringLiteral("[AccountManagerCallbackProxy]callback")), static_cast<QThread *>(&signin));
        QFETCH(QString, userId);
        QCOMPARE(signin.userId(), userId);
        QCOMPARE(currentUserId(), userId.isEmpty() ? QVariant() : QVariant(userId));

        const QList<QJsonObject> sent = requests();
        QCOMPARE(sent.size(), 1);
        const QJsonObject request = sent.first();
        QCOMPARE(request.value(QLatin1String("accountType")).toString(), QStringLiteral("com.kelt.account"));
        QCOMPARE(request.value(QLatin1String("tokenType")).toString(), QStringLiteral("default"));
        QCOMPARE(request.value(QLatin1String("scopes")).toVariant().toStringList(),
            (QStringList { QStringLiteral("birthday"), QStringLiteral("email") }));
        const QJsonObject options = request.value(QLatin1String("options")).toObject();
        QCOMPARE(options.keys(),
            (QStringList { QStringLiteral("clientId"), QStringLiteral("noUI"), QStringLiteral("scope") }));
        const QString clientId = options.value(QLatin1String("clientId")).toString();
        QCOMPARE(QUuid::fromString(clientId).toString(QUuid::WithoutBraces), clientId);
        QVERIFY(!QUuid::fromString(clientId).isNull());
        QCOMPARE(options.value(QLatin1String("scope")).toString(), QStringLiteral("email birthday"));
        QCOMPARE(options.value(QLatin1String("noUI")), QJsonValue(QString()));
    }

    void addAgainWhileWaiting()
    {
        QVERIFY(startManager({ { QStringLiteral("answer"), QStringLiteral("never") } }));
        LogCapture log;
        KeltSignin signin;
        signin.start();
        QTRY_VERIFY_WITH_TIMEOUT(log.contains(Waiting), 10000);
        signin.addAgain();
        QTRY_COMPARE_WITH_TIMEOUT(log.count(Waiting), 2, 5000);
        QCOMPARE(requests().size(), 2);
        QVERIFY(!signin.isFinished());

        signin.stopWaiting();
        // Within a slice of the wait and the listing.
        QVERIFY(finishes(signin, 3000));
        const QStringList askedAgain { QStringLiteral("[KeltSignin] Ask the while loop to add Account again"), Asking,
            Waiting, Stopped };
        QCOMPARE(signinLines(log), Asked + askedAgain + Listing + QStringList { Done });
        QVERIFY(signin.userId().isEmpty());
        QVERIFY(!currentUserId().isValid());
    }

    void destroyedWhileWaiting_data()
    {
        QTest::addColumn<bool>("waiting"); // false: destroyed as soon as it started
        QTest::newRow("waiting for the answer") << true;
        QTest::newRow("just started") << false;
    }
    void destroyedWhileWaiting()
    {
        QVERIFY(startManager({ { QStringLiteral("answer"), QStringLiteral("never") } }));
        // The bus's own thread runs from the first connection on.
        QVERIFY(KeltSignin().checkComExist());
        const int threads = threadCount();
        LogCapture log;
        QElapsedTimer timer;
        {
            KeltSignin signin;
            signin.start();
            QFETCH(bool, waiting);
            if (waiting)
                QTRY_VERIFY_WITH_TIMEOUT(log.contains(Waiting), 10000);
            timer.start();
        }
        QVERIFY2(timer.elapsed() < 5000, qPrintable(QString::number(timer.elapsed())));
        QCOMPARE(signinLines(log), Asked + QStringList { Stopped } + Listing + QStringList { Done });
        QTRY_COMPARE_WITH_TIMEOUT(threadCount(), threads, 2000);
    }

    void unreachable_data()
    {
        QTest::addColumn<bool>("withBus");
        QTest::addColumn<QStringList>("runLines"); // beginnings
        QTest::newRow("no account manager") << true
                                            << Asked.mid(0, 2)
                + QStringList { QStringLiteral(
                    "[KeltSignin] ERROR: AddAccount failed: org.freedesktop.DBus.Error.ServiceUnknown: ") };
        QTest::newRow("no bus")
            << false
            << QStringList { QStringLiteral("[KeltSignin] ERROR: Cannot connect to the session bus: "),
                   QStringLiteral("[KeltSignin] Failed to create callback for Account Manager, abort.") };
    }
    void unreachable()
    {
        QFETCH(bool, withBus);
        ScopedEnvironment environment;
        if (!withBus)
            environment.set("DBUS_SESSION_BUS_ADDRESS",
                "unix:path=" + QFile::encodeName(m_machine->path(QStringLiteral("no-bus"))));
        LogCapture log;
        KeltSignin signin;
        QVERIFY(!signin.checkComExist());
        const QStringList probe = signinLines(log);
        QCOMPARE(probe.size(), 3);
        QVERIFY2(probe.at(0).startsWith(QLatin1String("[KeltSignin] ERROR: No account manager on the session bus: ")),
            qPrintable(probe.at(0)));
        QCOMPARE(probe.mid(1),
            (QStringList { QStringLiteral("[KeltSignin]checkComExist() Init KELT Account error"),
                QStringLiteral("[KeltSignin] checkComExist : 0") }));

        log.clear();
        signin.start();
        QVERIFY(finishes(signin, 10000));
        QFETCH(QStringList, runLines);
        const QStringList lines = signinLines(log);
        QCOMPARE(lines.size(), runLines.size());
        for (int i = 0; i < lines.size(); ++i)
            QVERIFY2(lines.at(i).startsWith(runLines.at(i)), qPrintable(lines.at(i)));
        QVERIFY(signin.userId().isEmpty());
        QVERIFY(!currentUserId().isValid());
    }

private:
    bool startManager(const QJsonObject &settings)
    {
        m_machine->writeScenario({ { Manager, settings } });
        const QString program = m_machine->installPeer(QStringLiteral("opt/Kelt"), Manager);
        return !program.isEmpty() && startAndWaitForLine(m_manager, program, {}, "ready");
    }
    // The stand-in's AddAccount calls, in order.
    QList<QJsonObject> requests() const
    {
        QFile file(m_machine->path(QStringLiteral("account-requests.log")));
        QList<QJsonObject> lines;
        if (file.open(QIODevice::ReadOnly)) {
            while (!file.atEnd())
                lines << QJsonDocument::fromJson(file.readLine()).object();
        }
        return lines;
    }

    std::unique_ptr<SandboxMachine> m_machine;
    std::unique_ptr<SessionBus> m_bus;
    QProcess m_manager;
};

QTEST_GUILESS_MAIN(tst_KeltSignin)
#include "tst_keltsignin.moc"
