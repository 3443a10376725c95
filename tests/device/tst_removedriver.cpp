#include "LogCapture.h"
#include "SandboxMachine.h"

#include "core/Utils.h"
#include "device/RemoveDriver.h"
#include "device/RemoveTool.h"
#include "platform/Processes.h"

#include <QDir>
#include <QElapsedTimer>
#include <QFile>
#include <QJsonObject>
#include <QTest>

#include <memory>

using Architecture = platform::SystemInfo::Architecture;

Q_DECLARE_METATYPE(platform::SystemInfo::Architecture)

namespace {

// The program's folder inside the sandbox; the tools lie beside it.
const QString ProgramFolder = QStringLiteral("opt/Wizard");
const QString ToolFolder = QStringLiteral("opt/OOBETool/RemoveDriver");
const QString Win10Tool = QStringLiteral("uninstallWin10_64.exe");
// The tool's limit in these tests, and how long a whole removal may take here.
constexpr int ToolLimitMs = 600;
constexpr int SequenceTimeoutMs = 20000;

QStringList fileLines(const QString &path)
{
    QFile file(path);
    if (!file.open(QIODevice::ReadOnly))
        return {};
    return QString::fromUtf8(file.readAll()).split(QLatin1Char('\n'), Qt::SkipEmptyParts);
}

} // namespace

class TestRemoveDriver : public QObject {
    Q_OBJECT

private slots:
    void init()
    {
        RemoveDriverLimits::current() = { ToolLimitMs };
        m_machine = std::make_unique<SandboxMachine>();
        QVERIFY(QDir().mkpath(m_machine->path(ProgramFolder)));
        playPc(QStringLiteral("10.0.19045"), QStringLiteral("x64"));
    }
    void cleanup()
    {
        m_machine.reset();
        RemoveDriverLimits::current() = {};
    }

    void toolForWindowsAndArchitecture_data()
    {
        QTest::addColumn<QString>("version");
        QTest::addColumn<Architecture>("architecture");
        QTest::addColumn<QString>("line");
        QTest::addColumn<QString>("program");
        const QString folder = QStringLiteral("\\..\\OOBETool\\RemoveDriver\\");
        QTest::newRow("7 x86") << QStringLiteral("6.1.7601") << Architecture::X86
                               << QStringLiteral("[RemoveDriver] Windows 7 (x86)")
                               << folder + QStringLiteral("uninstallWin7_32.exe");
        QTest::newRow("7 x64") << QStringLiteral("6.1.7600") << Architecture::X64
                               << QStringLiteral("[RemoveDriver] Windows 7 (x64)")
                               << folder + QStringLiteral("uninstallWin7_64.exe");
        QTest::newRow("7 unknown") << QStringLiteral("6.1.7601") << Architecture::Unknown
                                   << QStringLiteral("[RemoveDriver] Error: Windows 7 (Unknown, x86? x64?)")
                                   << QString();
        QTest::newRow("8 x86, no tool") << QStringLiteral("6.2.9200") << Architecture::X86
                                        << QStringLiteral("[RemoveDriver] Windows 8 (x86)") << QString();
        QTest::newRow("8 x64, no tool") << QStringLiteral("6.2.9200") << Architecture::X64
                                        << QStringLiteral("[RemoveDriver] Windows 8 (x64)") << QString();
        QTest::newRow("8 unknown") << QStringLiteral("6.2.9200") << Architecture::Unknown
                                   << QStringLiteral("[RemoveDriver] Error: Windows 8 (Unknown, x86? x64?)")
                                   << QString();
        QTest::newRow("8.1 x86") << QStringLiteral("6.3.9600") << Architecture::X86
                                 << QStringLiteral("[RemoveDriver] Windows 8.1 (x86)")
                                 << folder + QStringLiteral("uninstallWin81_32.exe");
        QTest::newRow("8.1 x64") << QStringLiteral("6.3.9600") << Architecture::X64
                                 << QStringLiteral("[RemoveDriver] Windows 8.1 (x64)")
                                 << folder + QStringLiteral("uninstallWin81_64.exe");
        QTest::newRow("8.1 unknown") << QStringLiteral("6.3.9600") << Architecture::Unknown
                                     << QStringLiteral("[RemoveDriver] Error: Windows 8.1 (Unknown, x86? x64?)")
                                     << QString();
        QTest::newRow("10 x86") << QStringLiteral("10.0.19045") << Architecture::X86
                                << QStringLiteral("[RemoveDriver] Windows 10 (x86)")
                                << folder + QStringLiteral("uninstallWin10_32.exe");
        QTest::newRow("10 x64") << QStringLiteral("10.0.19045") << Architecture::X64
                                << QStringLiteral("[RemoveDriver] Windows 10 (x64)") << folder + Win10Tool;
        QTest::newRow("10 unknown") << QStringLiteral("10.0.19045") << Architecture::Unknown
                                    << QStringLiteral("[RemoveDriver] Error: Windows 10 (Unknown, x86? x64?)")
                                    << QString();
        // Later releases still report 10.0.
        QTest::newRow("10.0 build 22631") << QStringLiteral("10.0.22631") << Architecture::X64
                                          << QStringLiteral("[RemoveDriver] Windows 10 (x64)") << folder + Win10Tool;
        const QString unsupported = QStringLiteral("[RemoveDriver] Error: OS version not supported");
        QTest::newRow("Vista") << QStringLiteral("6.0.6002") << Architecture::X64 << unsupported << QString();
        QTest::newRow("a Linux host's version")
            << QStringLiteral("12") << Architecture::X64 << unsupported << QString();
        QTest::newRow("10 without a minor") << QStringLiteral("10") << Architecture::X64 << unsupported << QString();
        QTest::newRow("empty") << QString() << Architecture::X86 << unsupported << QString();
    }
    void toolForWindowsAndArchitecture()
    {
        QFETCH(QString, version);
        QFETCH(Architecture, architecture);
        QFETCH(QString, program);
        const RemoveTool tool = chooseRemoveTool(version, architecture);
        QTEST(tool.logLine, "line");
        QCOMPARE(tool.program, program);
        QCOMPARE(tool.isError, tool.logLine.contains(QLatin1String("Error:")));
    }

    // The whole sequence with a tool that ends by itself, whatever its exit code.
    void toolRunsThenDevicesAreScanned_data()
    {
        QTest::addColumn<int>("exitCode");
        QTest::newRow("removed") << 0;
        QTest::newRow("tool failed") << 3;
    }
    void toolRunsThenDevicesAreScanned()
    {
        QFETCH(int, exitCode);
        placeTool(Win10Tool);
        m_machine->writeScenario({ { Win10Tool, QJsonObject { { QStringLiteral("exitCode"), exitCode } } } });
        LogCapture log;
        CRemoveDriver remover(nullptr, m_machine->path(ProgramFolder));
        remover.doRemoveDriver();
        QVERIFY(remover.isBusy());
        QTRY_VERIFY_WITH_TIMEOUT(!remover.isBusy(), SequenceTimeoutMs);
        QCOMPARE(log.startingWith(QStringLiteral("[RemoveDriver]")),
            (QStringList { QStringLiteral("[RemoveDriver] Do Remove Driver..."),
                QStringLiteral("[RemoveDriver] Remove..."), QStringLiteral("[RemoveDriver] Windows 10 (x64)"),
                QStringLiteral("[RemoveDriver] Remove...(OK)"), QStringLiteral("[RemoveDriver] Scan..."),
                QStringLiteral("[RemoveDriver] Scan...(OK)") }));
        QVERIFY(log.threadOf(QStringLiteral("[RemoveDriver] Remove...")) != thread());
        QCOMPARE(m_machine->peerStarts(), QStringList { Win10Tool });
        QCOMPARE(fileLines(m_machine->path(QStringLiteral("driver-removals.log"))),
            exitCode == 0 ? QStringList { Win10Tool } : QStringList());
        QCOMPARE(rescans(), 1);
    }

    void secondRequestWhileBusyIsSkipped()
    {
        placeTool(Win10Tool);
        m_machine->writeScenario({ { Win10Tool, QJsonObject { { QStringLiteral("runMs"), 300 } } } });
        LogCapture log;
        CRemoveDriver remover(nullptr, m_machine->path(ProgramFolder));
        remover.doRemoveDriver();
        remover.doRemoveDriver();
        QCOMPARE(log.count(QStringLiteral("[RemoveDriver] Skip")), 1);
        QTRY_VERIFY_WITH_TIMEOUT(!remover.isBusy(), SequenceTimeoutMs);
        QCOMPARE(log.count(QStringLiteral("[RemoveDriver] Do Remove Driver...")), 2);
        QCOMPARE(log.count(QStringLiteral("[RemoveDriver] Remove...")), 1);
        QCOMPARE(m_machine->peerStarts(), QStringList { Win10Tool });
        QCOMPARE(rescans(), 1);

        // Once done, the next request runs again.
        remover.doRemoveDriver();
        QTRY_VERIFY_WITH_TIMEOUT(!remover.isBusy(), SequenceTimeoutMs);
        QCOMPARE(m_machine->peerStarts().size(), 2);
        QCOMPARE(rescans(), 2);
    }

    // Windows 8 and an unknown architecture run no tool; the scan happens all the same.
    void noToolStillScans_data()
    {
        QTest::addColumn<QString>("version");
        QTest::addColumn<QString>("architecture");
        QTest::addColumn<QString>("line");
        QTest::newRow("Windows 8") << QStringLiteral("6.2.9200") << QStringLiteral("x64")
                                   << QStringLiteral("[RemoveDriver] Windows 8 (x64)");
        QTest::newRow("arm64") << QStringLiteral("10.0.19045") << QStringLiteral("arm64")
                               << QStringLiteral("[RemoveDriver] Error: Windows 10 (Unknown, x86? x64?)");
        QTest::newRow("not Windows") << QStringLiteral("12") << QStringLiteral("x64")
                                     << QStringLiteral("[RemoveDriver] Error: OS version not supported");
    }
    void noToolStillScans()
    {
        QFETCH(QString, version);
        QFETCH(QString, architecture);
        QFETCH(QString, line);
        playPc(version, architecture);
        for (const QString &tool : { Win10Tool, QStringLiteral("uninstallWin10_32.exe") })
            placeTool(tool);
        LogCapture log;
        CRemoveDriver remover(nullptr, m_machine->path(ProgramFolder));
        remover.doRemoveDriver();
        QTRY_VERIFY_WITH_TIMEOUT(!remover.isBusy(), SequenceTimeoutMs);
        QVERIFY2(log.contains(line), qPrintable(log.lines().join(QLatin1Char('\n'))));
        QCOMPARE(m_machine->peerStarts(), QStringList());
        QCOMPARE(rescans(), 1);
        QVERIFY(log.contains(QStringLiteral("[RemoveDriver] Scan...(OK)")));
    }

    void hangingToolIsEndedAtTheLimit()
    {
        placeTool(Win10Tool);
        m_machine->writeScenario({ { Win10Tool, QJsonObject { { QStringLiteral("hang"), true } } } });
        LogCapture log;
        CRemoveDriver remover(nullptr, m_machine->path(ProgramFolder));
        QElapsedTimer clock;
        clock.start();
        remover.doRemoveDriver();
        QTRY_VERIFY_WITH_TIMEOUT(!remover.isBusy(), SequenceTimeoutMs);
        QVERIFY(clock.elapsed() >= ToolLimitMs);
        const QStringList lines = log.startingWith(QStringLiteral("[RemoveDriver]"));
        const int timeout = lines.indexOf(QStringLiteral("[RemoveDriver] Error: timeout, terminate."));
        QVERIFY2(timeout > 0, qPrintable(lines.join(QLatin1Char('\n'))));
        QVERIFY(timeout < lines.indexOf(QStringLiteral("[RemoveDriver] Scan...")));
        QCOMPARE(rescans(), 1);
        QCOMPARE(m_machine->peerStarts(), QStringList { Win10Tool });
        QVERIFY(platform::Processes::find(Win10Tool, platform::Processes::Match::Name).isEmpty());
        QVERIFY(!QFile::exists(m_machine->path(QStringLiteral("driver-removals.log"))));
    }

    // A tool that is not there ends the wait at once, far below the production limit.
    void missingToolGoesOnToTheScan()
    {
        RemoveDriverLimits::current() = {};
        LogCapture log;
        CRemoveDriver remover(nullptr, m_machine->path(ProgramFolder));
        QElapsedTimer clock;
        clock.start();
        remover.doRemoveDriver();
        QTRY_VERIFY_WITH_TIMEOUT(!remover.isBusy(), SequenceTimeoutMs);
        QVERIFY(clock.elapsed() < RemoveDriverLimits::current().toolWaitMs / 3);
        const QString stored = Utils::withBackslashes(m_machine->path(ProgramFolder))
            + QStringLiteral("\\..\\OOBETool\\RemoveDriver\\") + Win10Tool;
        QVERIFY2(log.contains(QStringLiteral("[RemoveDriver] Error: cannot start ") + stored),
            qPrintable(log.lines().join(QLatin1Char('\n'))));
        QVERIFY(!log.contains(QStringLiteral("[RemoveDriver] Error: timeout, terminate.")));
        QCOMPARE(rescans(), 1);
    }

    // A refused re-enumeration is logged and the removal still ends.
    void failedRescanIsLoggedAndEnds()
    {
        playPc(QStringLiteral("6.2.9200"), QStringLiteral("x86"));
        QVERIFY(QDir().mkpath(m_machine->path(QStringLiteral("rescans.log"))));
        LogCapture log;
        CRemoveDriver remover(nullptr, m_machine->path(ProgramFolder));
        remover.doRemoveDriver();
        QTRY_VERIFY_WITH_TIMEOUT(!remover.isBusy(), SequenceTimeoutMs);
        QVERIFY2(log.contains(QStringLiteral("[RemoveDriver] CM_Reenumerate_DevNode failed: 0x00000005")),
            qPrintable(log.lines().join(QLatin1Char('\n'))));
        QVERIFY(log.contains(QStringLiteral("[RemoveDriver] Scan...(OK)")));
    }

    // Going while a tool hangs neither waits out the tool's limit nor leaves the thread.
    void destructionDuringAHangIsBounded()
    {
        RemoveDriverLimits::current() = {};
        placeTool(Win10Tool);
        m_machine->writeScenario({ { Win10Tool, QJsonObject { { QStringLiteral("hang"), true } } } });
        LogCapture log;
        auto remover = std::make_unique<CRemoveDriver>(nullptr, m_machine->path(ProgramFolder));
        remover->doRemoveDriver();
        QTRY_VERIFY_WITH_TIMEOUT(
            !platform::Processes::find(Win10Tool, platform::Processes::Match::Name).isEmpty(), SequenceTimeoutMs);
        QElapsedTimer clock;
        clock.start();
        remover.reset();
        QVERIFY(clock.elapsed() < 5000);
        QVERIFY(!log.contains(QStringLiteral("[RemoveDriver] WARNING: The worker thread did not stop")));
        QVERIFY(platform::Processes::find(Win10Tool, platform::Processes::Match::Name).isEmpty());
    }

private:
    void playPc(const QString &version, const QString &architecture) const
    {
        m_machine->writeProfile(
            { { QStringLiteral("windowsVersion"), version }, { QStringLiteral("nativeArchitecture"), architecture } });
    }
    void placeTool(const QString &name) const { QVERIFY(!m_machine->installPeer(ToolFolder, name).isEmpty()); }
    int rescans() const { return fileLines(m_machine->path(QStringLiteral("rescans.log"))).size(); }

    std::unique_ptr<SandboxMachine> m_machine;
};

QTEST_GUILESS_MAIN(TestRemoveDriver)
#include "tst_removedriver.moc"
