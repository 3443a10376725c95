#include "platform/SessionBus.h"

#include <QTest>

// Which session bus the account code connects to, from the facts the choice rests on.
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
};

QTEST_GUILESS_MAIN(tst_SessionBus)
#include "tst_sessionbus.moc"
