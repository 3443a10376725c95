#include "LogCapture.h"

#include "core/Wiring.h"

#include <QSignalSpy>
#include <QTest>

namespace {

class End : public QObject {
    Q_OBJECT

public:
    explicit End(const char *name = nullptr)
    {
        if (name)
            setObjectName(QLatin1String(name));
    }

signals:
    void ping(const QString &text);
    void forwarded(const QString &text);

public slots:
    void onPing(const QString &text) { received << text; }

public:
    QStringList received;
};

} // namespace

class TestWiring : public QObject {
    Q_OBJECT

private slots:
    // Connections by signature reach slots and forward to signals.
    void signatureConnectionsWork()
    {
        End sender("pageLoader");
        End receiver;
        QSignalSpy forwarded(&receiver, &End::forwarded);
        LogCapture log;
        QVERIFY(Wiring::connect(&sender, "ping(QString)", &receiver, "onPing(QString)"));
        QVERIFY(Wiring::connect(&sender, "ping( QString )", &receiver, "forwarded(QString)"));
        emit sender.ping(QStringLiteral("a"));
        QCOMPARE(receiver.received, QStringList { QStringLiteral("a") });
        QCOMPARE(forwarded.count(), 1);
        QVERIFY(log.lines(QtCriticalMsg).isEmpty());
    }

    // A wire that cannot be made says which ends it had; a unique one made twice is
    // no fault.
    void failuresNameBothEnds_data()
    {
        QTest::addColumn<QString>("kind");
        QTest::addColumn<QString>("line");
        QTest::newRow("no such signal") << "signal"
                                        << "[Wiring] ERROR: Cannot connect pageLoader gone() to End onPing(QString)";
        QTest::newRow("no such slot") << "slot"
                                      << "[Wiring] ERROR: Cannot connect pageLoader ping(QString) to End gone()";
        QTest::newRow("missing sender") << "sender"
                                        << "[Wiring] ERROR: Cannot connect (missing object) ping(QString) to End ";
        QTest::newRow("missing receiver QML object")
            << "receiver"
            << "[Wiring] ERROR: Cannot connect pageLoader ping(QString) to (missing object) hideWindow()";
    }
    void failuresNameBothEnds()
    {
        QFETCH(QString, kind);
        QFETCH(QString, line);
        End sender("pageLoader");
        End receiver;
        LogCapture log;
        bool made = true;
        if (kind == QLatin1String("signal"))
            made = Wiring::connect(&sender, "gone()", &receiver, "onPing(QString)");
        else if (kind == QLatin1String("slot"))
            made = Wiring::connect(&sender, "ping(QString)", &receiver, "gone()");
        else if (kind == QLatin1String("sender"))
            made = Wiring::connect(static_cast<End *>(nullptr), &End::ping, &receiver, &End::onPing);
        else
            made = Wiring::connect(&sender, "ping(QString)", nullptr, "hideWindow()");
        QVERIFY(!made);
        QCOMPARE(log.lines(QtCriticalMsg), QStringList { line });
    }

    void uniqueConnectionMadeTwiceIsNoFault()
    {
        End sender;
        End receiver;
        LogCapture log;
        QVERIFY(Wiring::connect(&sender, "ping(QString)", &receiver, "onPing(QString)", Qt::UniqueConnection));
        QVERIFY(Wiring::connect(&sender, "ping(QString)", &receiver, "onPing(QString)", Qt::UniqueConnection));
        QVERIFY(Wiring::connect(&sender, &End::ping, &receiver, &End::forwarded, Qt::UniqueConnection));
        QVERIFY(Wiring::connect(&sender, &End::ping, &receiver, &End::forwarded, Qt::UniqueConnection));
        emit sender.ping(QStringLiteral("once"));
        QCOMPARE(receiver.received, QStringList { QStringLiteral("once") });
        QVERIFY(log.lines(QtCriticalMsg).isEmpty());
    }
};

QTEST_GUILESS_MAIN(TestWiring)
#include "tst_wiring.moc"
