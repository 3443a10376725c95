#include "LogCapture.h"
#include "SandboxMachine.h"

#include "core/ModeFlags.h"
#include "install/UpdaterLauncher.h"
#include "platform/NamedPipe.h"

#include <QJsonArray>
#include <QJsonDocument>
#include <QProcess>
#include <QTest>
#include <QThread>

#include <atomic>

Q_DECLARE_METATYPE(ModeFlags)

namespace {

const QString Tail = QStringLiteral("|-NoUI|-NP:nova_pipe|-OOBE|-ExitWhenParentDie:");

ModeFlags mode(const QString &productName, bool swoa = false)
{
    ModeFlags flags;
    flags.productName = productName;
    flags.isSWOA = swoa;
    return flags;
}

QStringList words(const QString &joined)
{
    return joined.split(QLatin1Char('|'));
}

const QString EyeShort = QStringLiteral(
    "-AdditionTask:NOVAEYE_SOFTWARE -IGNORE:com.kelt.windows.nova_eye.hid_manager "
    "-IGNORE:com.kelt.windows.nova_eye.hid_client_core -IGNORE:com.kelt.windows.nova_eye.update_tool "
    "-IGNORE:com.kelt.windows.nova_eye.update_tool_ROM5 -IGNORE:com.kelt.windows.nova_eye.update_tool_ROM6 "
    "-IGNORE:com.kelt.windows.nova_eye.control_unit2");

} // namespace

class TestUpdaterLauncher : public QObject {
    Q_OBJECT

private slots:
    void cleanup() { Mode::set(ModeFlags()); }

    void commandLines_data()
    {
        QTest::addColumn<ModeFlags>("flags");
        QTest::addColumn<bool>("cn");
        QTest::addColumn<bool>("testMode");
        QTest::addColumn<QString>("slot");
        QTest::addColumn<QStringList>("arguments");
        const ModeFlags tundra = mode(QStringLiteral("NOVA Tundra"));
        const ModeFlags elite = mode(QStringLiteral("NOVA Tundra Elite"));
        const ModeFlags dov = mode(QStringLiteral("NOVA 2020"));
        const ModeFlags swoa = mode(QStringLiteral("NOVA Software"), true);
        const QString hidRom = QStringLiteral(
            "NOVAEYE_SOFTWARE|com.kelt.windows.nova_eye.hid_manager|com.kelt.windows.nova_eye.hid_client_core|");
        const QString novaSw = QStringLiteral(
            "NOVA_SOFTWARE|-download_type:0-5|-IGNORE:com.kelt.windows.nova_internal.new_updater|"
            "-IGNORE:com.kelt.windows.nova_internal.pcclient|-IGNORE:com.kelt.windows.nova_internal.novaportvr|");

        QTest::newRow("checkSize SA SteamVR, CN")
            << tundra << true << false << "checkSize"
            << words(QStringLiteral(
                   "NOVA_SOFTWARE|-download_type:0-6|-IGNORE:com.kelt.windows.nova_internal.pcclient|"
                   "-IGNORE:com.kelt.windows.nova_internal.novaportvr|-CheckTask|"
                   "-AdditionTask:NOVAEYE_SOFTWARE|-AdditionTask:NOVA_OOBE com.kelt.windows.oobe.eye_guide|"
                   "-Location:CN"));
        QTest::newRow("checkSize elite")
            << elite << false << false << "checkSize"
            << words(QStringLiteral(
                   "NOVA_SOFTWARE|-download_type:0-5|-IGNORE:com.kelt.windows.nova_internal.pcclient|"
                   "-IGNORE:com.kelt.windows.nova_internal.novaportvr|-CheckTask|"
                   "-AdditionTask:NOVAEYE_SOFTWARE|-AdditionTask:NOVA_OOBE com.kelt.windows.oobe.kyr_guide"));
        QTest::newRow("checkSize SWOA") << swoa << true << false << "checkSize"
                                        << words(QStringLiteral(
                                               "NOVA_SOFTWARE|com.kelt.windows.nova_internal.pcclient|"
                                               "com.kelt.windows.nova_internal.new_updater|-CheckTask|"
                                               "-AdditionTask:NOVA_OOBE com.kelt.windows.oobe.launchers|-Location:CN"));
        QTest::newRow("predownload CN")
            << tundra << true << false << "predownload"
            << words(QStringLiteral(
                   "NOVAEYE_SOFTWARE|com.kelt.windows.nova_eye.oobe_config|-SkipAdditionTasks|-Location:CN"));
        QTest::newRow("installUpdater")
            << tundra << false << false << "installUpdater"
            << words(QStringLiteral("NOVA_SOFTWARE|com.kelt.windows.nova_internal.new_updater|-SkipAdditionTasks"));
        QTest::newRow("installHidRomCU tundra, CN ignored")
            << tundra << true << false << "installHidRomCU"
            << words(hidRom
                   + QStringLiteral(
                       "com.kelt.windows.nova_eye.update_tool|com.kelt.windows.nova_eye.update_tool_ROM2|"
                       "com.kelt.windows.nova_eye.update_tool_ROM3|com.kelt.windows.nova_eye.update_tool_ROM4|"
                       "com.kelt.windows.nova_eye.update_tool_ROM5|com.kelt.windows.nova_eye.update_tool_ROM6|"
                       "com.kelt.windows.nova_eye.update_tool_ROM7|com.kelt.windows.nova_eye.control_unit2|"
                       "-SkipAdditionTasks"));
        QTest::newRow("installHidRomCU 2020")
            << dov << false << false << "installHidRomCU"
            << words(hidRom
                   + QStringLiteral(
                       "com.kelt.windows.nova_eye.update_tool_g_10|com.kelt.windows.nova_eye.update_tool_g_12|"
                       "com.kelt.windows.nova_eye.update_tool_g_13|com.kelt.windows.nova_eye.update_tool_g_14|"
                       "com.kelt.windows.nova_eye.update_tool_g_15|com.kelt.windows.nova_eye.update_tool_g_16|"
                       "com.kelt.windows.nova_eye.control_unit2|-SkipAdditionTasks"));
        QTest::newRow("installGuide 2020, CN")
            << dov << true << false << "installGuide"
            << words(QStringLiteral("NOVA_OOBE|com.kelt.windows.oobe.dov_guide|-SkipAdditionTasks|-Location:CN"));
        QTest::newRow("installNovaSw SWOA ignores test mode")
            << swoa << false << true << "installNovaSw"
            << words(QStringLiteral("NOVA_SOFTWARE|com.kelt.windows.nova_internal.pcclient|"
                                    "-AdditionTask:NOVA_OOBE com.kelt.windows.oobe.launchers"));
        QTest::newRow("installNovaSw test mode")
            << dov << true << true << "installNovaSw"
            << words(novaSw + QStringLiteral("-IGNORE:com.kelt.windows.nova_internal.systemoverlay|-SkipAdditionTasks|")
                   + EyeShort + QStringLiteral("|-Location:CN"));
        QTest::newRow("installNovaSw elite") << elite << false << false << "installNovaSw"
                                             << words(novaSw + QStringLiteral("-SkipAdditionTasks|") + EyeShort);
        QTest::newRow("installNovaSw 2020") << dov << false << false << "installNovaSw"
                                            << words(novaSw + QStringLiteral("-SkipAdditionTasks|") + EyeShort
                                                   + QStringLiteral(" -IGNORE:com.kelt.windows.nova_eye.dividi"
                                                                    " -IGNORE:com.kelt.windows.nova_eye.lens_package"));
        QTest::newRow("installStandaloneSteamVR, CN off")
            << tundra << false << false << "installStandaloneSteamVR"
            << words(QStringLiteral(
                   "NOVA_SOFTWARE|com.kelt.windows.nova_internal.steamvr|-SkipAdditionTasks|-Location:CN"));
    }

    // Starts the stand-in updater through the slot and compares what it was given.
    void commandLines()
    {
        QFETCH(ModeFlags, flags);
        QFETCH(bool, cn);
        QFETCH(bool, testMode);
        QFETCH(QString, slot);
        QFETCH(QStringList, arguments);
        SandboxMachine machine;
        const QString updater = machine.installPeer(QStringLiteral("opt/Updater"), QStringLiteral("Updater.exe"));
        // A quick run: one progress step and its exit code, answered by our pipe.
        machine.writeScenario({ { QStringLiteral("Updater.exe"),
            QJsonObject { { QStringLiteral("totalSize"), 1 }, { QStringLiteral("intervalMs"), 0 } } } });
        platform::NamedPipeServer pipe(QStringLiteral("nova_pipe"));
        QVERIFY(pipe.listen());
        std::atomic<bool> finished { false };
        QThread *serving = QThread::create([&pipe, &finished] {
            QByteArray message;
            while (!finished) {
                if (pipe.waitForClient(50) && pipe.readMessage(&message, 1000))
                    pipe.writeReply("OK");
            }
        });
        serving->start();
        if (testMode)
            QFile(machine.path(QStringLiteral("Internal_Application.ini"))).open(QIODevice::WriteOnly);
        Mode::set(flags);

        LogCapture log;
        UpdaterLauncher launcher(cn);
        QProcess process;
        const QString folder = QFileInfo(updater).absolutePath();
        if (slot == QLatin1String("checkSize"))
            launcher.checkSize(&process, folder, QStringLiteral("nova_pipe"),
                arguments.contains(QStringLiteral("-download_type:0-6")));
        else
            QVERIFY(QMetaObject::invokeMethod(&launcher, slot.toLatin1().constData(), Qt::DirectConnection,
                Q_ARG(QProcess *, &process), Q_ARG(QString, folder), Q_ARG(QString, QStringLiteral("nova_pipe"))));
        QVERIFY(process.waitForFinished(10000));
        finished = true;
        serving->wait();
        delete serving;

        QFile record(machine.path(QStringLiteral("peers.log")));
        QVERIFY(record.open(QIODevice::ReadOnly));
        const QJsonObject start = QJsonDocument::fromJson(record.readLine()).object();
        const QStringList expected
            = arguments + words(Tail.mid(1) + QString::number(QCoreApplication::applicationPid()));
        QCOMPARE(start.value(QStringLiteral("arguments")).toVariant().toStringList(), expected);
        QCOMPARE(process.workingDirectory(), folder);
        QVERIFY(log.contains(QStringLiteral("[UpdaterLauncher] Calling Updater: ") + folder
            + QStringLiteral("/Updater.exe [") + expected.join(QStringLiteral(" | ")) + QLatin1Char(']')));
    }

    void nullProcessAndAccountStartNothing()
    {
        LogCapture log;
        UpdaterLauncher launcher(false);
        QVERIFY(log.contains(
            QStringLiteral("[UpdaterLauncher] Current PID: ") + QString::number(QCoreApplication::applicationPid())));
        launcher.installGuide(nullptr, QStringLiteral("/nowhere"), QStringLiteral("guide_pipe"));
        QCOMPARE(log.lines(QtWarningMsg),
            QStringList { QStringLiteral("[UpdaterLauncher] ERROR: Received null process, abort") });
        QProcess process;
        launcher.installAccount(&process, QStringLiteral("/nowhere"), QStringLiteral("account_pipe"));
        QCOMPARE(process.state(), QProcess::NotRunning);
        QCOMPARE(process.program(), QString());
    }

    void guidePackagePerProduct()
    {
        QCOMPARE(UpdaterLauncher::guidePackageId(QStringLiteral("NOVA Tundra")),
            QStringLiteral("com.kelt.windows.oobe.eye_guide"));
        QCOMPARE(UpdaterLauncher::guidePackageId(QStringLiteral("NOVA Tundra Elite")),
            QStringLiteral("com.kelt.windows.oobe.kyr_guide"));
        QCOMPARE(UpdaterLauncher::guidePackageId(QStringLiteral("NOVA Software")),
            QStringLiteral("com.kelt.windows.oobe.dov_guide"));
    }
};

QTEST_GUILESS_MAIN(TestUpdaterLauncher)
#include "tst_updaterlauncher.moc"
