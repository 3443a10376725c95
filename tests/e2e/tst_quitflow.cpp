// The ends of the program with the program's own managers and wiring on the real
// window: closing the window, and the guide started at the end of the wizard. The
// managers run here, created and wired by the same code as in the program, Closer
// included, so that the end can be asked for directly (tst_journeys reaches it by
// keyboard in a separate process).

#include "BiServer.h"
#include "LogCapture.h"
#include "WizardFixture.h"
#include "WizardTest.h"

#include "bi/BIService.h"
#include "platform/Registry.h"

#include <QFileInfo>
#include <QTest>

namespace {

// The quit reason the analytics recorded last.
QString recordedQuitReason(const QString &folder)
{
    QString reason;
    for (const QJsonObject &record : storedRecords(folder)) {
        if (record.value(QLatin1String("category")).toString() == QLatin1String("oobe_install_info"))
            reason = record.value(QLatin1String("a9")).toString();
    }
    return reason;
}

} // namespace

class TestQuitFlow : public WizardTest {
    Q_OBJECT

private slots:
    void closingTheWindowEndsTheProgram()
    {
        WizardFixture wizard(ModeFlags(), true);
        QSignalSpy quit(&wizard.harness.engine, &QQmlEngine::quit);
        LogCapture log;
        wizard.harness.window()->close();

        QTRY_VERIFY(quit.count() > 0);
        QString missing;
        QVERIFY2(linesInOrder(log.lines(),
                     { QStringLiteral("[PageManager] prepareToQuit: normal"), QStringLiteral("[Closer] closing start"),
                         QStringLiteral("[BIService] close() Done"), QStringLiteral("[Closer] closing done") },
                     &missing),
            qPrintable(missing));
        QVERIFY(!wizard.harness.window()->isVisible());
        QCOMPARE(recordedQuitReason(wizard.managers->biService->tempFolder()), QStringLiteral("user close"));
    }

    void guideStartedAtTheEndEndsTheProgram()
    {
        installGuide();
        WizardFixture wizard(ModeFlags(), true);
        QSignalSpy quit(&wizard.harness.engine, &QQmlEngine::quit);
        LogCapture log;
        // "SKIP INSTALLATION" on the folder page, in the full mode: the guide takes over.
        QMetaObject::invokeMethod(wizard.root(), "skipInstall");

        QTRY_VERIFY_WITH_TIMEOUT(quit.count() > 0, 30000);
        QString missing;
        QVERIFY2(linesInOrder(log.lines(),
                     { QStringLiteral("[PageManager] startGuideToQuit: done"), QStringLiteral("[Closer] Start Guide"),
                         QStringLiteral("[GuideParser] Guide has started"),
                         QStringLiteral("[PageManager] prepareToQuit: done"), QStringLiteral("[Closer] closing start"),
                         QStringLiteral("[Closer] closing done") },
                     &missing),
            qPrintable(missing));
        QVERIFY(!log.contains(QStringLiteral("[PageManager] Guide not launched, close directly")));
        // The guide's pipe thread ends as well; the program still closes once.
        QTest::qWait(500);
        QCOMPARE(log.count(QStringLiteral("[Closer] closing start")), 1);
        // The guide continues the analytics session of this run.
        const QString session = QStringLiteral("SESSIONID:") + wizard.managers->biService->sessionId();
        QCOMPARE(peerStarts().value(0).split(QLatin1Char(' ')).value(2), session);
        QCOMPARE(recordedQuitReason(wizard.managers->biService->tempFolder()), QStringLiteral("complete"));
    }

private:
    void installGuide() const
    {
        const QString key = QStringLiteral("HKEY_LOCAL_MACHINE\\Software\\KeltNova\\NovaEyeGuide");
        m_machine->writeScenario({ { QStringLiteral("NovaTundraGuide.exe"), QJsonObject() } });
        const QString guide
            = m_machine->installPeer(QStringLiteral("opt/NOVA Guide"), QStringLiteral("NovaTundraGuide.exe"));
        platform::Registry::write(key, QStringLiteral("AppPath"), QFileInfo(guide).absolutePath());
        platform::Registry::write(key, QStringLiteral("LaunchPath"), guide);
    }
};

QTEST_MAIN(TestQuitFlow)
#include "tst_quitflow.moc"
