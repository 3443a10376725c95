#include "LogCapture.h"
#include "SandboxMachine.h"

#include "core/Utils.h"
#include "device/FirmwareKit.h"
#include "device/OEMProcess.h"
#include "platform/Registry.h"

#include <QSignalSpy>
#include <QTest>

#include <memory>

namespace {

const QString Kit = QStringLiteral("FirmwareUpdateKit.exe");
const QString KitFolder = QStringLiteral("opt/KeltNovaEye/ControlUnit2/FirmwareUpdateKit");
const QString CheckedValue = QStringLiteral("HmdFirmwareUpdateChecked");
const QString ImageCheck = QStringLiteral("-check_rom_file");
const QString FirmwareCheck = QStringLiteral("-hmd -check_if_new_version");
const QString Update = QStringLiteral("-hmd -normal_update");
constexpr int KitTimeoutMs = 20000;

enum Step { ImageStep, FirmwareStep, RomStep, UpdateStep };

} // namespace

class TestOEMProcess : public QObject {
    Q_OBJECT

private slots:
    void init()
    {
        m_machine = std::make_unique<SandboxMachine>();
        m_kit = m_machine->installPeer(KitFolder, Kit);
        QVERIFY(!m_kit.isEmpty());
        // Registered as the control-unit app stores it, backslash separated.
        QVERIFY(platform::Registry::write(
            Utils::RegControlUnit, QStringLiteral("OemUpdatePath"), Utils::withBackslashes(m_kit)));
        m_root.setProperty("bOemFinished", false);
        m_oem = std::make_unique<OEMProcess>(&m_root);
    }
    void cleanup()
    {
        m_oem.reset();
        m_machine.reset();
    }

    // -2 as a kit leaves it on Windows, and a crash, which has checked nothing.
    void imageCheckResult_data()
    {
        QTest::addColumn<int>("exitCode");
        QTest::addColumn<QProcess::ExitStatus>("exitStatus");
        QTest::addColumn<QString>("result");
        QTest::newRow("-2") << -2 << QProcess::NormalExit << QStringLiteral("Yes");
        QTest::newRow("crashed, 1 left") << 1 << QProcess::CrashExit << QStringLiteral("Failed");
    }
    void imageCheckResult()
    {
        QFETCH(int, exitCode);
        QFETCH(QProcess::ExitStatus, exitStatus);
        QTEST(::imageCheckResult(exitCode, exitStatus), "result");
    }

    void imageCheckIsRecorded_data()
    {
        QTest::addColumn<int>("exitCode");
        QTest::addColumn<bool>("kitPresent");
        QTest::addColumn<QString>("line");
        QTest::addColumn<QString>("recorded");
        const QString finished = QStringLiteral("[OEMProcess] onCheckFinished, Process exitCode %1, exitStatus 0");
        QTest::newRow("sound") << 0 << true << finished.arg(0) << QStringLiteral("Yes");
        QTest::newRow("-2 arrives as 254") << -2 << true << finished.arg(254) << QStringLiteral("Yes");
        QTest::newRow("bad image") << 3 << true << finished.arg(3) << QStringLiteral("Failed");
        QTest::newRow("kit not installed")
            << 0 << false << QStringLiteral("[OEMProcess] onCheckMD5Error: 0") << QStringLiteral("Failed");
    }
    void imageCheckIsRecorded()
    {
        QFETCH(int, exitCode);
        QFETCH(bool, kitPresent);
        QFETCH(QString, line);
        if (!kitPresent)
            QVERIFY(QFile::remove(m_kit));
        setExitCodes({ { ImageCheck, exitCode } });
        LogCapture log;
        m_oem->onCheckMD5Proc();
        QVERIFY(!m_oem->onGetMD5Checked());
        QTRY_VERIFY_WITH_TIMEOUT(m_oem->onGetMD5Checked(), KitTimeoutMs);
        QVERIFY2(log.contains(line), qPrintable(log.lines().join(QLatin1Char('\n'))));
        QTEST(platform::Registry::read(Utils::RegKeltNova, CheckedValue).toString(), "recorded");
        QCOMPARE(m_machine->peerStarts(), kitPresent ? started({ ImageCheck }) : QStringList());
        QTRY_VERIFY(kitIdle());
    }

    void firmwareCheckDecidesTheUpdate_data()
    {
        QTest::addColumn<QString>("recorded");
        QTest::addColumn<int>("checkExit");
        QTest::addColumn<bool>("needReboot");
        QTest::addColumn<bool>("checkRuns");
        QTest::addColumn<bool>("updateRuns");
        QTest::newRow("newer firmware") << QStringLiteral("Yes") << 1 << true << true << true;
        QTest::newRow("image not checked yet") << QString() << 1 << false << true << true;
        QTest::newRow("up to date, restart") << QStringLiteral("Yes") << 0 << true << true << false;
        QTest::newRow("image check failed") << QStringLiteral("Failed") << 1 << true << false << false;
        QTest::newRow("image check failed, any case") << QStringLiteral("fAILED") << 1 << false << false << false;
    }
    void firmwareCheckDecidesTheUpdate()
    {
        QFETCH(QString, recorded);
        QFETCH(int, checkExit);
        QFETCH(bool, needReboot);
        QFETCH(bool, checkRuns);
        QFETCH(bool, updateRuns);
        if (!recorded.isEmpty())
            QVERIFY(platform::Registry::write(Utils::RegKeltNova, CheckedValue, recorded));
        setExitCodes({ { FirmwareCheck, checkExit }, { Update, 7 } });
        connect(m_oem.get(), &OEMProcess::isNeedReboot, this, [needReboot] { return needReboot; });
        QSignalSpy reboots(m_oem.get(), &OEMProcess::RebootHmd);
        QSignalSpy finished(m_oem.get(), &OEMProcess::isFinished);
        LogCapture log;

        m_oem->onCheckProc();
        QCOMPARE(m_oem->onGetOemCheckFinished(), !checkRuns);
        QTRY_VERIFY_WITH_TIMEOUT(m_oem->onGetOemCheckFinished(), KitTimeoutMs);
        QCOMPARE(oemFinished(), !updateRuns);
        QTRY_VERIFY(kitIdle());

        m_oem->onStartOEMProcess();
        QCOMPARE(kitIdle(), !updateRuns);
        QCOMPARE(reboots.count(), !updateRuns && needReboot ? 1 : 0);
        if (updateRuns) {
            QTRY_COMPARE_WITH_TIMEOUT(finished.count(), 1, KitTimeoutMs);
            QCOMPARE(finished.first(), QVariantList { true });
            QVERIFY(oemFinished());
            QVERIFY(log.contains(
                QStringLiteral("[OEMProcess] FirmwareUpdateKit exe path:") + Utils::withBackslashes(m_kit)));
            QVERIFY(log.contains(QStringLiteral("[OEMProcess] args: -hmd | -normal_update")));
        }
        QStringList arguments;
        if (checkRuns)
            arguments << FirmwareCheck;
        if (updateRuns)
            arguments << Update;
        QCOMPARE(m_machine->peerStarts(), started(arguments));
        QTRY_VERIFY(kitIdle());
    }

    // Without a registered kit every step fails to start, and its error ends the step so
    // that the pages polling for it go on.
    void unregisteredKitEndsEveryStep_data()
    {
        QTest::addColumn<int>("step");
        QTest::addColumn<QString>("line");
        QTest::addColumn<bool>("oemFinished");
        QTest::newRow("image") << int(ImageStep) << QStringLiteral("[OEMProcess] onCheckMD5Error: 0") << false;
        QTest::newRow("firmware") << int(FirmwareStep) << QStringLiteral("[OEMProcess] onCheckError: 0") << true;
        QTest::newRow("ROM") << int(RomStep) << QStringLiteral("[OEMProcess] onCheckROMVersionError: 0") << false;
        QTest::newRow("update") << int(UpdateStep) << QStringLiteral("[OEMProcess] onProcError: 0") << true;
    }
    void unregisteredKitEndsEveryStep()
    {
        QFETCH(int, step);
        QFETCH(QString, line);
        QVERIFY(platform::Registry::remove(Utils::RegControlUnit, QStringLiteral("OemUpdatePath")));
        QSignalSpy finished(m_oem.get(), &OEMProcess::isFinished);
        LogCapture log;
        const QList<std::pair<void (OEMProcess::*)(), bool (OEMProcess::*)()>> steps {
            { &OEMProcess::onCheckMD5Proc, &OEMProcess::onGetMD5Checked },
            { &OEMProcess::onCheckProc, &OEMProcess::onGetOemCheckFinished },
            { &OEMProcess::onCheckROMVersionProc, &OEMProcess::onGetROMVersionChecked },
            { &OEMProcess::onStartOEMProcess, nullptr }
        };
        const auto [start, done] = steps.at(step);
        (m_oem.get()->*start)();
        QTRY_VERIFY_WITH_TIMEOUT(log.contains(line), KitTimeoutMs);
        QVERIFY(!done || (m_oem.get()->*done)());
        QTEST(oemFinished(), "oemFinished");
        if (step == ImageStep)
            QCOMPARE(platform::Registry::read(Utils::RegKeltNova, CheckedValue).toString(), QStringLiteral("Failed"));
        QCOMPARE(finished.count(), 0);
        QTRY_VERIFY(kitIdle());
    }

private:
    void setExitCodes(const QVariantMap &exitCodes) const
    {
        m_machine->writeScenario(
            { { Kit, QJsonObject { { QStringLiteral("exitCodes"), QJsonObject::fromVariantMap(exitCodes) } } } });
    }
    // The kit's starts as peers.log has them, one per argument set.
    static QStringList started(const QStringList &argumentSets)
    {
        QStringList starts;
        for (const QString &arguments : argumentSets)
            starts << Kit + QLatin1Char(' ') + arguments;
        return starts;
    }
    bool oemFinished() const { return m_root.property("bOemFinished").toBool(); }
    // Every kit process has gone once it ended or failed to start.
    bool kitIdle() const { return m_oem->findChildren<QProcess *>().isEmpty(); }

    std::unique_ptr<SandboxMachine> m_machine;
    QString m_kit;
    QObject m_root;
    std::unique_ptr<OEMProcess> m_oem;
};

QTEST_GUILESS_MAIN(TestOEMProcess)
#include "tst_oemprocess.moc"
