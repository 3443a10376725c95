#include "LogCapture.h"
#include "SandboxMachine.h"

#include "checks/GraphicsChecker.h"

#include <QCoreApplication>
#include <QDateTime>
#include <QDir>
#include <QFileInfo>
#include <QJsonArray>
#include <QSignalSpy>
#include <QTest>

#include <memory>

namespace {

const QString IntelPnp = QStringLiteral("PCI\\VEN_8086&DEV_3E92&SUBSYS_86941043&REV_00");
const QString AmdPnp = QStringLiteral("PCI\\VEN_1002&DEV_67DF&SUBSYS_0B311002&REV_C7");

QJsonObject adapter(const QString &pnpDeviceId, const QString &driverVersion = QString())
{
    return { { QStringLiteral("name"), QStringLiteral("GPU") }, { QStringLiteral("pnpDeviceId"), pnpDeviceId },
        { QStringLiteral("driverVersion"), driverVersion } };
}

QJsonObject monitor(const QString &id, bool nonDesktop = false)
{
    return { { QStringLiteral("id"), id }, { QStringLiteral("nonDesktop"), nonDesktop } };
}

// The updater configuration beside the test program (it has a build folder of its own).
QString configFolder()
{
    return QCoreApplication::applicationDirPath() + QStringLiteral("/Updater");
}

void writeIni(const QByteArray &content)
{
    QDir().mkpath(configFolder() + QStringLiteral("/App/OOBE_Config"));
    QFile file(configFolder() + QStringLiteral("/App/OOBE_Config/gpu_driver_ver.ini"));
    if (!file.open(QIODevice::WriteOnly | QIODevice::Truncate))
        return;
    file.write(content);
    file.flush();
    // Settings objects of one process share a cache of each file that they refresh only
    // when its time stamp or size changed; rows write files of one size within moments.
    static int written = 0;
    file.setFileTime(QDateTime::currentDateTime().addSecs(++written), QFileDevice::FileModificationTime);
}

QString kernelMinimumLine()
{
    return QStringLiteral("[IsSupportVersionAMD] in-kernel amdgpu, kernel minimum: 4.15.0.0");
}

} // namespace

class TestGraphicsChecker : public QObject {
    Q_OBJECT

private slots:
    void init() { m_machine = std::make_unique<SandboxMachine>(); }
    void cleanup()
    {
        m_machine.reset();
        QDir(configFolder()).removeRecursively();
    }

    void nvidiaMinimum_data()
    {
        QTest::addColumn<QString>("installed");
        QTest::addColumn<QByteArray>("ini"); // empty: no file
        QTest::addColumn<bool>("supported");
        QTest::addColumn<QStringList>("signalled"); // setDriverVersion's arguments, empty: not sent
        QTest::addColumn<QStringList>("lines");
        const QString defaultLine
            = QStringLiteral("[GraphicsChecker] gpu_driver_ver.ini doesn't exist, use default value: 43160");
        const QString defaultMinimum = QStringLiteral("[GraphicsChecker] Support Nv version: 43160");
        QTest::newRow("at the default minimum") << QStringLiteral("431.60") << QByteArray() << true << QStringList()
                                                << QStringList { defaultLine, defaultMinimum };
        QTest::newRow("below the default minimum")
            << QStringLiteral("431.59") << QByteArray() << false << QStringList()
            << QStringList { defaultLine, defaultMinimum,
                   QStringLiteral("[IsSupportVersionNVidia] not supported version, mNVidiaVersion: 43159") };
        QTest::newRow("INI minimum met") << QStringLiteral("550.54.15") << QByteArray("[Nvidia]\nversion=431.60\n")
                                         << true << QStringList { QStringLiteral("431.60"), QStringLiteral("Nv") }
                                         << QStringList { defaultMinimum };
        QTest::newRow("INI minimum above the driver")
            << QStringLiteral("550.54.15") << QByteArray("[Nvidia]\nversion=551.23\n") << false
            << QStringList { QStringLiteral("551.23"), QStringLiteral("Nv") }
            << QStringList { QStringLiteral("[GraphicsChecker] Support Nv version: 55123"),
                   QStringLiteral("[IsSupportVersionNVidia] not supported version, mNVidiaVersion: 55054") };
        QTest::newRow("INI without the key") << QStringLiteral("431.60") << QByteArray("[AMD]\nversion=1.2.3.4\n")
                                             << true << QStringList() << QStringList { defaultLine, defaultMinimum };
    }
    void nvidiaMinimum()
    {
        QFETCH(QString, installed);
        QFETCH(QByteArray, ini);
        QFETCH(bool, supported);
        QFETCH(QStringList, signalled);
        QFETCH(QStringList, lines);
        m_machine->writeProfile({ { QStringLiteral("nvidiaDriver"), installed } });
        if (!ini.isEmpty())
            writeIni(ini);
        LogCapture log;
        GraphicsChecker checker;
        QVERIFY(checker.isNvidia());
        QVERIFY(!checker.isAmd());
        QSignalSpy versions(&checker, &GraphicsChecker::setDriverVersion);
        QCOMPARE(checker.isDriverSupported(), supported);
        QCOMPARE(versions.count(), signalled.isEmpty() ? 0 : 1);
        if (!signalled.isEmpty())
            QCOMPARE(versions.at(0).at(0).toString() + QLatin1Char(' ') + versions.at(0).at(1).toString(),
                signalled.join(QLatin1Char(' ')));
        for (const QString &line : lines)
            QVERIFY2(log.contains(line), qPrintable(line));
        QCOMPARE(log.contains(QStringLiteral("[IsSupportVersionAMD] not AMD, returns !!.")), !supported);
    }

    void amdMinimum_data()
    {
        QTest::addColumn<QString>("installed");
        QTest::addColumn<QByteArray>("ini");
        QTest::addColumn<bool>("supported");
        QTest::addColumn<QStringList>("lines");
        QTest::newRow("equal to the default")
            << QStringLiteral("25.20.15031.5004") << QByteArray() << true
            << QStringList {
                   QStringLiteral(
                       "[GraphicsChecker] gpu_driver_ver.ini doesn't exist, use default value: 25.20.15031.5004"),
                   QStringLiteral("[GraphicsChecker] CHECK_VERSION_AMD: 25.20.15031.5004")
               };
        QTest::newRow("one build below")
            << QStringLiteral("25.20.15031.5003") << QByteArray() << false
            << QStringList { QStringLiteral("[IsSupportVersionAMD] NOT Supported :((((( mAMDVersion 5003"),
                   QStringLiteral("[IsSupportVersionAMD] supportAMDVersion 5004") };
        QTest::newRow("newer product") << QStringLiteral("26.0.0.0") << QByteArray() << true
                                       << QStringList { QStringLiteral(
                                                            "[IsSupportVersionAMD] Supported !!! mAMDVersion 26 is 0"),
                                              QStringLiteral("[IsSupportVersionAMD] supportAMDVersion 25") };
        QTest::newRow("INI parts missing count as 0")
            << QStringLiteral("26.0.0.0") << QByteArray("[AMD]\nversion=26\n") << true
            << QStringList { QStringLiteral("[GraphicsChecker] CHECK_VERSION_AMD: 26.0.0.0") };
        QTest::newRow("INI second part above")
            << QStringLiteral("26.0.0.0") << QByteArray("[AMD]\nversion=26.1\n") << false
            << QStringList { QStringLiteral("[GraphicsChecker] CHECK_VERSION_AMD: 26.1.0.0"),
                   QStringLiteral("[IsSupportVersionAMD] NOT Supported :((((( mAMDVersion 0"),
                   QStringLiteral("[IsSupportVersionAMD] supportAMDVersion 1") };
    }
    void amdMinimum()
    {
        QFETCH(QString, installed);
        QFETCH(QByteArray, ini);
        QFETCH(bool, supported);
        QFETCH(QStringList, lines);
        m_machine->writeProfile(
            { { QStringLiteral("gpus"), QJsonArray { adapter(IntelPnp), adapter(AmdPnp, installed) } } });
        if (!ini.isEmpty())
            writeIni(ini);
        LogCapture log;
        GraphicsChecker checker;
        QVERIFY(checker.isAmd());
        QVERIFY(!checker.isNvidia());
        QCOMPARE(log.startingWith(QStringLiteral("[GraphicsChecker] ")).mid(0, 3),
            (QStringList { QStringLiteral("[GraphicsChecker] Not AMD GPU."),
                QStringLiteral("[GraphicsChecker] The AMD driver version is ") + installed,
                QStringLiteral("[GraphicsChecker] Get AMD version: ") + installed }));
        QSignalSpy versions(&checker, &GraphicsChecker::setDriverVersion);
        QCOMPARE(checker.isDriverSupported(), supported);
        QCOMPARE(versions.count(), ini.isEmpty() ? 0 : 1);
        if (!ini.isEmpty())
            QCOMPARE(versions.at(0).at(1).toString(), QStringLiteral("AMD"));
        for (const QString &line : lines)
            QVERIFY2(log.contains(line), qPrintable(log.lines().join(QLatin1Char('\n'))));
    }

    // An AMD adapter as the hardware readers find it, with no profile: amdgpu has no
    // version of its own, so its kernel is measured against the kernel minimum.
    void amdgpuIsJudgedByItsKernel_data()
    {
        QTest::addColumn<QString>("driver");
        QTest::addColumn<QByteArray>("release");
        QTest::addColumn<QByteArray>("ini");
        QTest::addColumn<bool>("supported");
        QTest::addColumn<QStringList>("lines");
        const QString kernelMinimum = kernelMinimumLine();
        QTest::newRow("Debian 12's kernel")
            << QStringLiteral("amdgpu") << QByteArray("6.1.0-18-amd64\n") << QByteArray() << true
            << QStringList { QStringLiteral("[GraphicsChecker] The AMD driver version is 6.1.0.0"), kernelMinimum,
                   QStringLiteral("[IsSupportVersionAMD] Supported !!! mAMDVersion 6 is 0") };
        QTest::newRow("the first kernel good enough") << QStringLiteral("amdgpu") << QByteArray("4.15.0-213-generic\n")
                                                      << QByteArray() << true << QStringList { kernelMinimum };
        QTest::newRow("a kernel too old")
            << QStringLiteral("amdgpu") << QByteArray("4.14.336\n") << QByteArray() << false
            << QStringList { kernelMinimum, QStringLiteral("[IsSupportVersionAMD] NOT Supported :((((( mAMDVersion 14"),
                   QStringLiteral("[IsSupportVersionAMD] supportAMDVersion 15") };
        QTest::newRow("the INI's Windows minimum does not apply")
            << QStringLiteral("amdgpu") << QByteArray("6.1.0-18-amd64\n")
            << QByteArray("[AMD]\nversion=25.20.15031.5004\n") << true
            << QStringList { QStringLiteral("[GraphicsChecker] CHECK_VERSION_AMD: 25.20.15031.5004"), kernelMinimum };
        QTest::newRow("radeon has no version")
            << QStringLiteral("radeon") << QByteArray("6.1.0-18-amd64\n") << QByteArray() << false
            << QStringList { QStringLiteral("[GraphicsChecker] The AMD driver version is 0.0.0.0"),
                   QStringLiteral("[IsSupportVersionAMD] NOT Supported :((((( mAMDVersion 0") };
    }
    void amdgpuIsJudgedByItsKernel()
    {
        QFETCH(QString, driver);
        QFETCH(QByteArray, release);
        QFETCH(QByteArray, ini);
        QFETCH(bool, supported);
        QFETCH(QStringList, lines);
        const QString hw = m_machine->path(QStringLiteral("hw"));
        const QString device = hw + QStringLiteral("/sys/bus/pci/devices/0000:03:00.0");
        QVERIFY(QDir().mkpath(device));
        QVERIFY(QDir().mkpath(hw + QStringLiteral("/sys/bus/pci/drivers/") + driver));
        QVERIFY(QFile::link(QStringLiteral("../../drivers/") + driver, device + QStringLiteral("/driver")));
        const QList<QPair<QString, QByteArray>> files { { device + QStringLiteral("/class"), "0x030000\n" },
            { device + QStringLiteral("/vendor"), "0x1002\n" }, { device + QStringLiteral("/device"), "0x67df\n" },
            { hw + QStringLiteral("/proc/sys/kernel/osrelease"), release } };
        for (const auto &[path, content] : files) {
            QVERIFY(QDir().mkpath(QFileInfo(path).path()));
            QFile file(path);
            QVERIFY(file.open(QIODevice::WriteOnly));
            file.write(content);
        }
        if (!ini.isEmpty())
            writeIni(ini);
        LogCapture log;
        GraphicsChecker checker;
        QVERIFY(checker.isAmd());
        QCOMPARE(checker.isDriverSupported(), supported);
        for (const QString &line : lines)
            QVERIFY2(log.contains(line), qPrintable(log.lines().join(QLatin1Char('\n'))));
        QCOMPARE(log.contains(kernelMinimumLine()), driver == QLatin1String("amdgpu"));
    }

    void intelOnlyPcHasNoSupportedDriver()
    {
        m_machine->writeProfile({ { QStringLiteral("gpus"), QJsonArray { adapter(IntelPnp) } } });
        LogCapture log;
        GraphicsChecker checker;
        QVERIFY(!checker.isDriverSupported());
        QVERIFY(!checker.isNvidia());
        QVERIFY(!checker.isAmd());
        checker.Init(); // neither vendor found yet: initialises again
        QCOMPARE(log.lines(),
            (QStringList { QStringLiteral("[InitSupportedList] "), QStringLiteral("[GraphicsChecker] Not AMD GPU."),
                QStringLiteral("[GraphicsChecker] nv status: -2"),
                QStringLiteral("[GraphicsChecker]InitNVidia() NVidia Liarbry doesn't Init"),
                QStringLiteral("[IsSupportVersionNVidia] not nv, returns !!."),
                QStringLiteral("[IsSupportVersionAMD] not AMD, returns !!."), QStringLiteral("[InitSupportedList] "),
                QStringLiteral("[GraphicsChecker] Not AMD GPU."), QStringLiteral("[GraphicsChecker] nv status: -2"),
                QStringLiteral("[GraphicsChecker]InitNVidia() NVidia Liarbry doesn't Init") }));
    }

    void initOnlyOnce()
    {
        m_machine->writeProfile({ { QStringLiteral("nvidiaDriver"), QStringLiteral("550.54.15") } });
        LogCapture log;
        GraphicsChecker checker;
        QVERIFY(log.contains(QStringLiteral("[GraphicsChecker]InitNVidia()NVidia Liarbry Init version: 55054")));
        log.clear();
        checker.Init();
        QCOMPARE(log.lines(), QStringList { QStringLiteral("[GraphicsChecker]Init() is already initial") });
    }

    void headsetByMonitorId_data()
    {
        QTest::addColumn<QJsonArray>("monitors");
        QTest::addColumn<bool>("connected");
        QTest::addColumn<int>("model");
        QTest::addColumn<QStringList>("lines");
        QTest::newRow("extra id in lower case")
            << QJsonArray { monitor(QStringLiteral("monitor\\tsb8888")) } << true << 0
            << QStringList { QStringLiteral("[GraphicsChecker] [0-0]:DeviceID:(monitor\\tsb8888)"),
                   QStringLiteral("[GraphicsChecker]IsHdmiConnect()Detect Ivo HDMI connection") };
        QTest::newRow("second model after a desktop monitor")
            << QJsonArray { monitor(QStringLiteral("MONITOR\\ABC1234")), monitor(QStringLiteral("MONITOR\\ZephAA02")) }
            << true << 1
            << QStringList { QStringLiteral("[GraphicsChecker] [0-0]:DeviceID:(MONITOR\\ABC1234)"),
                   QStringLiteral("[GraphicsChecker] [0-1]:DeviceID:(MONITOR\\ZephAA02)"),
                   QStringLiteral("[GraphicsChecker]IsHdmiConnect()Detect Qor HDMI connection") };
        QTest::newRow("third model")
            << QJsonArray { monitor(QStringLiteral("MONITOR\\ZEPHAA03")) } << true << 2
            << QStringList { QStringLiteral("[GraphicsChecker] [0-0]:DeviceID:(MONITOR\\ZEPHAA03)"),
                   QStringLiteral("[GraphicsChecker]IsHdmiConnect()Detect Varo HDMI connection") };
        QTest::newRow("no headset asks the drivers")
            << QJsonArray { monitor(QStringLiteral("MONITOR\\ABC1234")) } << false << 3
            << QStringList { QStringLiteral("[GraphicsChecker] [0-0]:DeviceID:(MONITOR\\ABC1234)"),
                   QStringLiteral("[IsHdmiConnect] no match for device id, ISDisplayConnected()"),
                   QStringLiteral("[IsDisplayConnectedNVidia] not NVidia card, returns false"),
                   QStringLiteral("[IsDisplayConnectedAMD] not AMD , return false") };
    }
    void headsetByMonitorId()
    {
        QFETCH(QJsonArray, monitors);
        QFETCH(bool, connected);
        QFETCH(int, model);
        QFETCH(QStringList, lines);
        m_machine->writeProfile({ { QStringLiteral("monitors"), monitors } });
        GraphicsChecker checker;
        LogCapture log;
        QCOMPARE(checker.IsHdmiConnect(), connected);
        QCOMPARE(checker.connectingModel(), model);
        QCOMPARE(log.lines(), lines);
    }

    void directModeDisplays_data()
    {
        QTest::addColumn<QJsonObject>("pc");
        QTest::addColumn<bool>("result");
        QTest::addColumn<QStringList>("lines");
        const QJsonObject headset = monitor(QStringLiteral("MONITOR\\ZEPAA01"), true);
        const QString nvidia = QStringLiteral("nvidiaDriver");
        const QString monitors = QStringLiteral("monitors");
        QTest::newRow("NVIDIA with the headset in direct mode")
            << QJsonObject { { nvidia, QStringLiteral("550.54.15") }, { monitors, QJsonArray { headset } } } << true
            << QStringList { QStringLiteral(
                                 "[GraphicsChecker]DisplayIsConnectedNVidia() OK, NvAPI_Status: 0 numDisplays: 1"),
                   QStringLiteral("[GraphicsChecker]EnableDirectModeNVidia()OK NvAPI_Status: 0") };
        QTest::newRow("NVIDIA, headset on the desktop")
            << QJsonObject { { nvidia, QStringLiteral("550.54.15") },
                   { monitors, QJsonArray { monitor(QStringLiteral("MONITOR\\ZEPAA01")) } } }
            << false
            << QStringList { QStringLiteral(
                                 "[GraphicsChecker]DisplayIsConnectedNVidia() fail,  NvAPI_Status: 0 numDisplays: 0"),
                   QStringLiteral("[IsDisplayConnectedAMD] not AMD , return false"),
                   QStringLiteral("[GraphicsChecker]EnableDirectModeNVidia()fail NvAPI_Status: -1") };
        QTest::newRow("AMD only")
            << QJsonObject { { QStringLiteral("gpus"), QJsonArray { adapter(AmdPnp) } },
                   { monitors, QJsonArray { headset } } }
            << false
            << QStringList { QStringLiteral("[IsDisplayConnectedNVidia] not NVidia card, returns false"),
                   QStringLiteral("[IsDisplayConnectedAMD] m_pDisplayManager is null , return !"),
                   QStringLiteral("[GraphicsChecker]EnableDirectModeNVidia()fail NvAPI_Status: -4") };
    }
    void directModeDisplays()
    {
        QFETCH(QJsonObject, pc);
        QFETCH(bool, result);
        QFETCH(QStringList, lines);
        m_machine->writeProfile(pc);
        GraphicsChecker checker;
        LogCapture log;
        QCOMPARE(checker.isDisplayConnected(), result);
        QCOMPARE(checker.enableDirectMode(), result);
        QCOMPARE(log.lines(), lines);
    }

private:
    std::unique_ptr<SandboxMachine> m_machine;
};

QTEST_GUILESS_MAIN(TestGraphicsChecker)
#include "tst_graphicschecker.moc"
