#include "LogCapture.h"
#include "SandboxMachine.h"

#include "core/ModeFlags.h"
#include "platform/Registry.h"
#include "shell/Closer.h"

#include <QJsonArray>
#include <QJsonDocument>
#include <QSignalSpy>
#include <QTest>

#include <memory>

namespace {

// Stands in for the page loader of the QML window: counts its "quit" calls.
class PageLoader : public QObject {
    Q_OBJECT

public:
    PageLoader(QObject *root)
        : QObject(root)
    {
        setObjectName(QStringLiteral("pageLoader"));
    }
    int quitCalls = 0;

public slots:
    void quit() { ++quitCalls; }
};

const QString GuideKey = QStringLiteral("HKEY_LOCAL_MACHINE\\Software\\KeltNova\\NovaEyeGuide");

} // namespace

class TestCloser : public QObject {
    Q_OBJECT

private slots:
    void init()
    {
        m_machine = std::make_unique<SandboxMachine>();
        m_root = std::make_unique<QObject>();
        m_root->setProperty("bNeedLaunchNovaport", true);
        m_pageLoader = new PageLoader(m_root.get());
        Mode::set(ModeFlags());
    }
    void cleanup()
    {
        m_root.reset();
        m_machine.reset();
    }

    void guideKeyPerProduct_data()
    {
        QTest::addColumn<QString>("product");
        QTest::addColumn<QString>("key");
        QTest::newRow("tundra") << "NOVA Tundra"
                                << "NovaEyeGuide";
        QTest::newRow("elite") << "NOVA Tundra Elite"
                               << "NovaTundraEGuide";
        QTest::newRow("2020") << "NOVA 2020"
                              << "NovaDovGuide";
        QTest::newRow("software") << "NOVA Software"
                                  << "NovaDovGuide";
    }
    void guideKeyPerProduct()
    {
        QFETCH(QString, product);
        QFETCH(QString, key);
        QCOMPARE(Closer::guideKey(product), QStringLiteral("HKEY_LOCAL_MACHINE\\Software\\KeltNova\\") + key);
    }

    void guideThatReportsDoneEndsTheWizard()
    {
        installGuide(QJsonObject());
        Closer closer(m_root.get());
        QSignalSpy started(&closer, &Closer::guideStarted);
        QSignalSpy quit(&closer, &Closer::prepareToQuit);
        QSignalSpy hidden(&closer, &Closer::closeWindow);
        LogCapture log;

        QVERIFY(closer.startGuide(QString()));
        QTRY_COMPARE_WITH_TIMEOUT(hidden.count(), 1, 10000); // the pipe thread ended: closing() ran
        QCOMPARE(started.count(), 1);
        QCOMPARE(quit.count(), 1);
        QCOMPARE(quit.first().first().toString(), QStringLiteral("done"));
        QCOMPARE(m_pageLoader->quitCalls, 1);

        const QString pipe
            = QStringLiteral("\\\\.\\pipe\\installer_for_guide") + QString::number(QCoreApplication::applicationPid());
        QVERIFY(log.contains(QStringLiteral("[Closer] Installer should quit on Guide started?1")));
        QVERIFY(log.contains(QStringLiteral("[Closer] Start named pipe: ") + pipe));
        QCOMPARE(guideArguments(),
            (QStringList { QStringLiteral("DONE:") + pipe, QStringLiteral("SESSIONID:"), QStringLiteral("-PUBLIC") }));
        const QStringList closing = log.startingWith(QStringLiteral("[Closer] "));
        QCOMPARE(closing.mid(closing.indexOf(QStringLiteral("[Closer] closing start"))),
            (QStringList { QStringLiteral("[Closer] closing start"),
                QStringLiteral("[Closer] Terminate related processes."),
                QStringLiteral("[Closer] Need launch novaport?1"), QStringLiteral("[Closer] closing done") }));
    }

    void guideRunningInTheBackgroundClosesTheWizardLater()
    {
        installGuide(
            { { QStringLiteral("messages"), QJsonArray { QStringLiteral("DONE"), QStringLiteral("GUIDE_CLOSE") } },
                { QStringLiteral("intervalMs"), 200 } });
        Closer closer(m_root.get());
        QSignalSpy started(&closer, &Closer::guideStarted);
        QSignalSpy quit(&closer, &Closer::prepareToQuit);
        QSignalSpy hidden(&closer, &Closer::closeWindow);

        QVERIFY(closer.startGuide(QStringLiteral("bgi_pipe")));
        QTRY_COMPARE_WITH_TIMEOUT(hidden.count(), 1, 10000);
        QCOMPARE(started.count(), 1); // "DONE" kept the pipe open: no quit on start
        QCOMPARE(quit.count(), 1);
        QCOMPARE(quit.first().first().toString(), QStringLiteral("closed by guide"));
        QCOMPARE(guideArguments().last(), QStringLiteral("BGIPIPE:bgi_pipe"));
    }

    void missingGuideIsNotStarted()
    {
        Mode::set([] {
            ModeFlags flags;
            flags.productName = QStringLiteral("NOVA 2020");
            return flags;
        }());
        Closer closer(m_root.get());
        LogCapture log;
        QVERIFY(!closer.startGuide(QString()));
        QCOMPARE(log.lines(QtWarningMsg),
            QStringList { QStringLiteral("[Closer] WARNING: Cannot find Guide path from registry") });

        const QString dovKey = QStringLiteral("HKEY_LOCAL_MACHINE\\Software\\KeltNova\\NovaDovGuide");
        platform::Registry::write(dovKey, QStringLiteral("AppPath"), m_machine->root());
        platform::Registry::write(dovKey, QStringLiteral("LaunchPath"), m_machine->path(QStringLiteral("gone.exe")));
        log.clear();
        QVERIFY(!closer.startGuide(QString()));
        QCOMPARE(log.lines(QtWarningMsg), QStringList { QStringLiteral("[Closer] WARNING: Guide file doesn't exist") });
    }

private:
    void installGuide(const QJsonObject &scenario)
    {
        m_machine->writeScenario({ { QStringLiteral("NovaTundraGuide.exe"), scenario } });
        const QString guide
            = m_machine->installPeer(QStringLiteral("opt/NOVA Guide"), QStringLiteral("NovaTundraGuide.exe"));
        platform::Registry::write(GuideKey, QStringLiteral("AppPath"), QFileInfo(guide).absolutePath());
        platform::Registry::write(GuideKey, QStringLiteral("LaunchPath"), guide);
    }

    QStringList guideArguments() const
    {
        QFile log(m_machine->path(QStringLiteral("peers.log")));
        if (!log.open(QIODevice::ReadOnly))
            return {};
        return QJsonDocument::fromJson(log.readLine())
            .object()
            .value(QStringLiteral("arguments"))
            .toVariant()
            .toStringList();
    }

    std::unique_ptr<SandboxMachine> m_machine;
    std::unique_ptr<QObject> m_root;
    PageLoader *m_pageLoader = nullptr;
};

QTEST_GUILESS_MAIN(TestCloser)
#include "tst_closer.moc"
