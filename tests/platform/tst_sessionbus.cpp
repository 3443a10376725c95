#include "SessionBus.h"

#include "platform/SessionBus.h"

#include <QDBusConnection>
#include <QDBusConnectionInterface>
#include <QStandardPaths>
#include <QTest>

#include <unistd.h>

namespace {

// The uid that owns nothing on a Debian machine.
constexpr uint Nobody = 65534;

} // namespace

// Which session bus the account code connects to, and how root reaches a bus that
// another user's daemon runs.
class tst_SessionBus : public QObject {
    Q_OBJECT

private slots:
    void address_data()
    {
        QTest::addColumn<bool>("asRoot");
        QTest::addColumn<bool>("sandbox");
        QTest::addColumn<QString>("environment");
        QTest::addColumn<uint>("desktopUid");
        QTest::addColumn<QString>("address");
        const QString given = QStringLiteral("unix:path=/tmp/dbus-given,guid=0123");
        const QString user = QStringLiteral("unix:path=/run/user/1000/bus");
        const QString rootBus = QStringLiteral("unix:path=/run/user/0/bus");
        QTest::newRow("user with an address") << false << false << given << 0u << given;
        QTest::newRow("user without one") << false << false << QString() << 0u << user;
        QTest::newRow("root for a desktop user") << true << false << given << 1000u << user;
        QTest::newRow("root for a desktop user, no address") << true << false << QString() << 1000u << user;
        QTest::newRow("root alone with an address") << true << false << given << 0u << given;
        QTest::newRow("root alone") << true << false << QString() << 0u << rootBus;
        QTest::newRow("root in a sandbox") << true << true << given << 1000u << given;
        QTest::newRow("root in a sandbox, no address") << true << true << QString() << 1000u << user;
    }
    void address()
    {
        QFETCH(bool, asRoot);
        QFETCH(bool, sandbox);
        QFETCH(QString, environment);
        QFETCH(uint, desktopUid);
        // A user's own uid is 1000 here; root's is 0.
        const platform::SessionBusFacts facts { asRoot, sandbox, environment, desktopUid, asRoot ? 0u : 1000u };
        QTEST(platform::sessionBusAddressFor(facts), "address");
    }

    void socketPath_data()
    {
        QTest::addColumn<QString>("address");
        QTest::addColumn<QByteArray>("path");
        QTest::newRow("a login's bus") << QStringLiteral("unix:path=/run/user/1000/bus")
                                       << QByteArray("/run/user/1000/bus");
        QTest::newRow("with a guid") << QStringLiteral("unix:path=/tmp/dbus-x,guid=0123") << QByteArray("/tmp/dbus-x");
        QTest::newRow("escaped") << QStringLiteral("unix:path=/tmp/a%20b%2Cc") << QByteArray("/tmp/a b,c");
        QTest::newRow("abstract") << QStringLiteral("unix:abstract=/tmp/dbus-x,guid=0123") << QByteArray();
        QTest::newRow("the second entry")
            << QStringLiteral("tcp:host=localhost,port=1;unix:path=/tmp/bus") << QByteArray("/tmp/bus");
        QTest::newRow("empty") << QString() << QByteArray();
    }
    void socketPath()
    {
        QFETCH(QString, address);
        QTEST(platform::busSocketPath(address), "path");
    }

    // libdbus claims its own uid with EXTERNAL and asks for file descriptors.
    void relayedAuthentication_data()
    {
        QTest::addColumn<QByteArray>("line");
        QTest::addColumn<QByteArray>("toBus");
        QTest::addColumn<QByteArray>("toClient");
        QTest::addColumn<bool>("begins");
        QTest::newRow("root's claim becomes the owner's")
            << QByteArray("AUTH EXTERNAL 30") << QByteArray("AUTH EXTERNAL 31303030\r\n") << QByteArray() << false;
        QTest::newRow("a claim left to the bus")
            << QByteArray("AUTH EXTERNAL") << QByteArray("AUTH EXTERNAL 31303030\r\n") << QByteArray() << false;
        QTest::newRow("file descriptors refused")
            << QByteArray("NEGOTIATE_UNIX_FD") << QByteArray()
            << QByteArray("ERROR \"file descriptors cannot be relayed\"\r\n") << false;
        QTest::newRow("other mechanisms pass")
            << QByteArray("AUTH ANONYMOUS") << QByteArray("AUTH ANONYMOUS\r\n") << QByteArray() << false;
        QTest::newRow("begin") << QByteArray("BEGIN") << QByteArray("BEGIN\r\n") << QByteArray() << true;
    }
    void relayedAuthentication()
    {
        QFETCH(QByteArray, line);
        const platform::RelayedAuthLine relayed = platform::relayedAuthLine(line, 1000);
        QTEST(relayed.toBus, "toBus");
        QTEST(relayed.toClient, "toClient");
        QTEST(relayed.begins, "begins");
    }

    // Root working for a desktop user joins that user's bus (whose daemon refuses root)
    // as that user, and the relay ends with the link.
    void rootJoinsAnotherUsersBus()
    {
        if (::geteuid() != 0)
            QSKIP("needs root");
        if (QStandardPaths::findExecutable(QStringLiteral("setpriv")).isEmpty())
            QSKIP("needs setpriv");
        SessionBus bus;
        QVERIFY2(bus.startAs(Nobody), qPrintable(bus.errorString()));
        {
            const QDBusConnection direct = QDBusConnection::connectToBus(bus.address(), QStringLiteral("direct"));
            QVERIFY(!direct.isConnected());
        }
        QDBusConnection::disconnectFromBus(QStringLiteral("direct"));

        auto link = std::make_unique<platform::SessionBusLink>();
        QVERIFY(link->address() != bus.address());
        {
            const QDBusConnection relayed = QDBusConnection::connectToBus(link->address(), QStringLiteral("relayed"));
            QVERIFY2(relayed.isConnected(), qPrintable(relayed.lastError().message()));
            QCOMPARE(relayed.interface()->serviceUid(relayed.baseService()).value(), Nobody);
            link.reset();
            QTRY_VERIFY_WITH_TIMEOUT(!relayed.isConnected(), 5000);
        }
        QDBusConnection::disconnectFromBus(QStringLiteral("relayed"));
    }
};

QTEST_GUILESS_MAIN(tst_SessionBus)
#include "tst_sessionbus.moc"
