#include "PipeListener.h"
#include "SandboxMachine.h"
#include "SpeedProfile.h"
#include "UpdaterCommandLine.h"

#include "platform/Processes.h"
#include "platform/Registry.h"

#include <QJsonArray>
#include <QTest>

#include <memory>
#include <mutex>

namespace {

const QString ReportPipe = QStringLiteral("nova_pipe");
const QString MainKey = QStringLiteral("HKEY_LOCAL_MACHINE\\Software\\KeltNova");
const QLatin1String Pcclient("com.kelt.windows.nova_internal.pcclient");
const QLatin1String NewUpdater("com.kelt.windows.nova_internal.new_updater");
const QLatin1String Novaportvr("com.kelt.windows.nova_internal.novaportvr");
const QLatin1String EyeGuide("com.kelt.windows.oobe.eye_guide");
const QString EyeShortIgnored
    = QStringLiteral("com.kelt.windows.nova_eye.hid_manager|com.kelt.windows.nova_eye.hid_client_core|"
                     "com.kelt.windows.nova_eye.update_tool|com.kelt.windows.nova_eye.update_tool_ROM5|"
                     "com.kelt.windows.nova_eye.update_tool_ROM6|com.kelt.windows.nova_eye.control_unit2");
const QString EyeLongIgnored
    = EyeShortIgnored + QStringLiteral("|com.kelt.windows.nova_eye.dividi|com.kelt.windows.nova_eye.lens_package");

QStringList split(const QString &words)
{
    return words.split(QLatin1Char('|'), Qt::SkipEmptyParts);
}

// "-AdditionTask:NOVAEYE_SOFTWARE -IGNORE:a -IGNORE:b", one argument.
QString eyeAddition(const QString &ignored)
{
    return QStringLiteral("-AdditionTask:NOVAEYE_SOFTWARE -IGNORE:") + split(ignored).join(QStringLiteral(" -IGNORE:"));
}

// The switches the wizard appends to every task.
QStringList launchTail(const QString &pipe, qint64 parentPid)
{
    return { QStringLiteral("-NoUI"), QStringLiteral("-NP:") + pipe, QStringLiteral("-OOBE"),
        QStringLiteral("-ExitWhenParentDie:") + QString::number(parentPid) };
}

const QStringList SoftwareTask = QStringList { QStringLiteral("NOVA_SOFTWARE"), QStringLiteral("-download_type:0-5"),
    QStringLiteral("-IGNORE:") + NewUpdater, QStringLiteral("-IGNORE:") + Pcclient,
    QStringLiteral("-IGNORE:") + Novaportvr, QStringLiteral("-SkipAdditionTasks"), eyeAddition(EyeShortIgnored) };
const QStringList UpdaterTask { QStringLiteral("NOVA_SOFTWARE"), NewUpdater, QStringLiteral("-SkipAdditionTasks") };

// Messages received on a pipe served by a real pipe server.
class Inbox {
public:
    explicit Inbox(const QString &pipe)
        : m_listener(pipe, [this](const QString &message) {
            const std::lock_guard lock(m_mutex);
            m_messages.append(message);
        })
    {
    }
    bool isListening() const { return m_listener.isListening(); }
    QStringList messages() const
    {
        const std::lock_guard lock(m_mutex);
        return m_messages;
    }

private:
    mutable std::mutex m_mutex;
    QStringList m_messages;
    PipeListener m_listener; // last: stops before the list goes
};

// Splits the "Size:" progress at the head of messages from the rest; false unless it
// runs from 0 to total without falling back.
bool splitProgress(const QStringList &messages, qint64 total, QStringList *rest)
{
    qint64 previous = -1;
    for (int i = 0; i < messages.size(); ++i) {
        const QStringList sizes = messages.at(i).mid(5).split(QLatin1Char('/'));
        const qint64 current = sizes.value(0).toLongLong();
        if (!messages.at(i).startsWith(QLatin1String("Size:")) || sizes.value(1).toLongLong() != total
            || current < previous || (previous < 0 && current != 0))
            return false;
        previous = current;
        if (current == total) {
            *rest = messages.mid(i + 1);
            return true;
        }
    }
    return false;
}

} // namespace

class TestPeerUpdater : public QObject {
    Q_OBJECT

private slots:
    void init()
    {
        m_machine = std::make_unique<SandboxMachine>();
        m_updater = m_machine->installPeer(QStringLiteral("opt/NOVA/Updater"), QStringLiteral("Updater.exe"));
        QVERIFY(!m_updater.isEmpty());
        writeScenario({});
    }
    void cleanup() { m_machine.reset(); }

    void commandLineIsParsed_data()
    {
        QTest::addColumn<QStringList>("arguments");
        QTest::addColumn<QString>("job");
        QTest::addColumn<QStringList>("packages");
        QTest::addColumn<QStringList>("additions"); // "TASK package ..."
        QTest::addColumn<QStringList>("additionIgnored"); // of every addition
        QTest::addColumn<QStringList>("ignored");
        QTest::addColumn<QString>("downloadType");
        QTest::addColumn<QString>("location");
        QTest::addColumn<bool>("checkTask");
        QTest::addColumn<bool>("skipAdditionTasks");
        const QStringList tail = launchTail(QStringLiteral("p"), 4242);
        const QString cn = QStringLiteral("-Location:CN");
        const QString skip = QStringLiteral("-SkipAdditionTasks");
        const QString launchers = QStringLiteral("NOVA_OOBE com.kelt.windows.oobe.launchers");
        const QString eyeGuide = QStringLiteral("NOVA_OOBE ") + EyeGuide;
        const QStringList none;
        const QStringList nova { QStringLiteral("NOVA_SOFTWARE") };
        const QStringList eye { QStringLiteral("NOVAEYE_SOFTWARE") };
        const QStringList tools = split(
            QStringLiteral("com.kelt.windows.nova_eye.hid_manager|com.kelt.windows.nova_eye.hid_client_core|"
                           "com.kelt.windows.nova_eye.update_tool|com.kelt.windows.nova_eye.update_tool_ROM2|"
                           "com.kelt.windows.nova_eye.update_tool_ROM3|com.kelt.windows.nova_eye.update_tool_ROM4|"
                           "com.kelt.windows.nova_eye.update_tool_ROM5|com.kelt.windows.nova_eye.update_tool_ROM6|"
                           "com.kelt.windows.nova_eye.update_tool_ROM7|com.kelt.windows.nova_eye.control_unit2"));
        const QStringList gTools = split(
            QStringLiteral("com.kelt.windows.nova_eye.hid_manager|com.kelt.windows.nova_eye.hid_client_core|"
                           "com.kelt.windows.nova_eye.update_tool_g_10|com.kelt.windows.nova_eye.update_tool_g_12|"
                           "com.kelt.windows.nova_eye.update_tool_g_13|com.kelt.windows.nova_eye.update_tool_g_14|"
                           "com.kelt.windows.nova_eye.update_tool_g_15|com.kelt.windows.nova_eye.update_tool_g_16|"
                           "com.kelt.windows.nova_eye.control_unit2"));
        const QStringList softwareIgnored { NewUpdater, Pcclient, Novaportvr };
        const QString overlay = QStringLiteral("com.kelt.windows.nova_internal.systemoverlay");
        const QString config = QStringLiteral("com.kelt.windows.nova_eye.oobe_config");
        const QString kyrGuide = QStringLiteral("com.kelt.windows.oobe.kyr_guide");
        const QString steamvr = QStringLiteral("com.kelt.windows.nova_internal.steamvr");
        const QString noType, noLocation, CN = QStringLiteral("CN"), type5 = QStringLiteral("0-5");
        auto ignore = [](const QString &package) -> QString { return QStringLiteral("-IGNORE:") + package; };
        auto addition = [](const QString &task) -> QString { return QStringLiteral("-AdditionTask:") + task; };
        auto job = [](const char *name) { return QString::fromLatin1(name); };

        QTest::newRow("size, software only, CN")
            << nova + QStringList { Pcclient, NewUpdater, QStringLiteral("-CheckTask"), addition(launchers), cn } + tail
            << job("checkSize") << QStringList { Pcclient, NewUpdater } << QStringList { launchers } << none << none
            << noType << CN << true << false;
        QTest::newRow("size, standalone SteamVR") << nova
                + QStringList { QStringLiteral("-download_type:0-6"), ignore(Pcclient), ignore(Novaportvr),
                      QStringLiteral("-CheckTask"), addition(eye.first()), addition(eyeGuide) }
                + tail << job("checkSize") << none << QStringList { eye.first(), eyeGuide }
                                                  << none << QStringList { Pcclient, Novaportvr }
                                                  << QStringLiteral("0-6") << noLocation << true << false;
        QTest::newRow("pre-download") << eye + QStringList { config, skip, cn } + tail << job("config")
                                      << QStringList { config } << none << none << none << noType << CN << false
                                      << true;
        QTest::newRow("updater") << UpdaterTask + tail << job("updater") << QStringList { NewUpdater } << none << none
                                 << none << noType << noLocation << false << true;
        QTest::newRow("HID and ROM tools") << eye + tools + QStringList { skip } + tail << job("hidRom") << tools
                                           << none << none << none << noType << noLocation << false << true;
        QTest::newRow("HID and ROM tools, other products")
            << eye + gTools + QStringList { skip } + tail << job("hidRom") << gTools << none << none << none << noType
            << noLocation << false << true;
        QTest::newRow("guide, CN") << QStringList { QStringLiteral("NOVA_OOBE"), kyrGuide, skip, cn } + tail
                                   << job("guide") << QStringList { kyrGuide } << none << none << none << noType << CN
                                   << false << true;
        QTest::newRow("software, software only")
            << nova + QStringList { Pcclient, addition(launchers) } + tail << job("software")
            << QStringList { Pcclient } << QStringList { launchers } << none << none << noType << noLocation << false
            << false;
        QTest::newRow("software, test mode")
            << nova
                + QStringList { QStringLiteral("-download_type:0-5"), ignore(NewUpdater), ignore(Pcclient),
                      ignore(Novaportvr), ignore(overlay), skip, eyeAddition(EyeShortIgnored) }
                + tail
            << job("software") << none << eye << split(EyeShortIgnored) << softwareIgnored + QStringList { overlay }
            << type5 << noLocation << false << true;
        QTest::newRow("software, short additions")
            << SoftwareTask + tail << job("software") << none << eye << split(EyeShortIgnored) << softwareIgnored
            << type5 << noLocation << false << true;
        QTest::newRow("software, long additions, CN")
            << SoftwareTask.mid(0, 6) + QStringList { eyeAddition(EyeLongIgnored), cn } + tail << job("software")
            << none << eye << split(EyeLongIgnored) << softwareIgnored << type5 << CN << false << true;
        QTest::newRow("standalone SteamVR")
            << nova + QStringList { steamvr, skip, cn } + tail << job("steamvr") << QStringList { steamvr } << none
            << none << none << noType << CN << false << true;
        QTest::newRow("switch names ignore case; unknown ones are kept")
            << QStringList { QStringLiteral("NOVA_OOBE"), EyeGuide, QStringLiteral("-skipadditiontasks"),
                   QStringLiteral("-Future:1"), QStringLiteral("-noui"), QStringLiteral("-np:p"),
                   QStringLiteral("-oobe"), QStringLiteral("-exitwhenparentdie:4242") }
            << job("guide") << QStringList { EyeGuide } << none << none << none << noType << noLocation << false
            << true;
    }
    void commandLineIsParsed()
    {
        QFETCH(QStringList, arguments);
        const UpdaterCommandLine line = parseUpdaterCommandLine(arguments);
        QCOMPARE(line.error, QString());
        QTEST(line.job(), "job");
        QTEST(line.packages, "packages");
        QStringList additions, additionIgnored;
        for (const AdditionTask &addition : line.additionTasks) {
            additions.append((QStringList { addition.task } + addition.packages).join(QLatin1Char(' ')));
            additionIgnored.append(addition.ignored);
        }
        QTEST(additions, "additions");
        QTEST(additionIgnored, "additionIgnored");
        QTEST(line.ignored, "ignored");
        QTEST(line.downloadType, "downloadType");
        QTEST(line.location, "location");
        QTEST(line.checkTask, "checkTask");
        QTEST(line.skipAdditionTasks, "skipAdditionTasks");
        QCOMPARE(line.pipeName, QStringLiteral("p"));
        QCOMPARE(line.parentPid, qint64(4242));
        QVERIFY(line.noUI && line.oobe);
    }

    void speedProfilesShapeTheDownload_data()
    {
        QTest::addColumn<QString>("profile");
        QTest::addColumn<qint64>("speed");
        QTest::addColumn<QList<int>>("ms");
        QTest::addColumn<QList<int>>("bytes"); // of 8000, at each of ms
        const qint64 speed = 1000;
        QTest::newRow("constant") << QStringLiteral("constant") << speed << QList<int> { 0, 1000, 4500, 8000, 9000 }
                                  << QList<int> { 0, 1000, 4500, 8000, 8000 };
        // 2000 bytes at 250 bytes/s take 8 s.
        QTest::newRow("slow start") << QStringLiteral("slowStart") << speed
                                    << QList<int> { 4000, 8000, 10000, 14000, 15000 }
                                    << QList<int> { 1000, 2000, 4000, 8000, 8000 };
        // 4000 bytes at full speed take 4 s; the rest comes at 250 bytes/s.
        QTest::newRow("drop") << QStringLiteral("drop") << speed << QList<int> { 2000, 4000, 8000, 19000, 20000 }
                              << QList<int> { 2000, 4000, 5000, 7750, 8000 };
        // 2000 bytes in each even second, 100 in each odd one.
        QTest::newRow("bursty") << QStringLiteral("BURSTY") << speed
                                << QList<int> { 500, 1000, 1500, 2000, 3000, 4000, 6000, 6500, 7000 }
                                << QList<int> { 1000, 2000, 2050, 2100, 4100, 4200, 6300, 7300, 8000 };
        QTest::newRow("no speed: all at once")
            << QStringLiteral("slowStart") << qint64(0) << QList<int> { 0 } << QList<int> { 8000 };
    }
    void speedProfilesShapeTheDownload()
    {
        QFETCH(QString, profile);
        QFETCH(qint64, speed);
        QFETCH(QList<int>, ms);
        QFETCH(QList<int>, bytes);
        const qint64 total = 8000;
        const std::optional<SpeedProfile> shape = speedProfileNamed(profile);
        QVERIFY(shape);
        QList<int> reached;
        for (const int at : ms)
            reached.append(int(bytesAfter(*shape, speed, total, at)));
        QCOMPARE(reached, bytes);
        // Never falls back and never jumps: at most twice the speed over 10 ms.
        qint64 previous = bytesAfter(*shape, speed, total, 0);
        for (qint64 at = 10; at <= 30000 && speed > 0; at += 10) {
            const qint64 now = bytesAfter(*shape, speed, total, at);
            QVERIFY2(now >= previous && now - previous <= 2 * speed / 100 + 1, qPrintable(QString::number(at)));
            previous = now;
        }
        QCOMPARE(previous, total);
        QVERIFY(!speedProfileNamed(QStringLiteral("fast")));
    }

    void registrationNeedsNoPipeButEveryOtherTaskDoes()
    {
        const UpdaterCommandLine registration = parseUpdaterCommandLine(
            { QStringLiteral("-install"), QStringLiteral("NOVA Software"), QStringLiteral("/opt/Kelt/NOVA"),
                QStringLiteral("NOVA_SOFTWARE"), QStringLiteral("DONTKILL:") + Pcclient, QStringLiteral("-CN") });
        QCOMPARE(registration.error, QString());
        QCOMPARE(registration.job(), QStringLiteral("register"));
        QCOMPARE(registration.packages.value(1), QStringLiteral("/opt/Kelt/NOVA"));
        QCOMPARE(registration.unknownSwitches, QStringList { QStringLiteral("-CN") });

        for (const QStringList &arguments :
            { QStringList(), UpdaterTask, UpdaterTask + QStringList { QStringLiteral("-NP:") } })
            QVERIFY(!parseUpdaterCommandLine(arguments).error.isEmpty());
        QProcess updater;
        updater.start(m_updater, UpdaterTask);
        QVERIFY(updater.waitForFinished(20000));
        QCOMPARE(updater.exitCode(), 2); // ConfigError
    }

    void faultsShapeTheReport_data()
    {
        QTest::addColumn<QJsonObject>("settings");
        QTest::addColumn<int>("exitCode"); // -1: crashed
        QTest::addColumn<QStringList>("report");
        auto fault = [](const char *name) { return QJsonObject { { QStringLiteral("fault"), QLatin1String(name) } }; };
        QTest::newRow("success") << QJsonObject() << 0 << QStringList { QStringLiteral("ExitCode:0") };
        QTest::newRow("exit code") << QJsonObject { { QStringLiteral("exitCode"), 5 } } << 5
                                   << QStringList { QStringLiteral("ExitCode:5") };
        QTest::newRow("crash") << fault("crash") << -1 << QStringList();
        QTest::newRow("silent") << fault("silent") << 0 << QStringList();
        QJsonObject garbage = fault("garbage");
        garbage.insert(QStringLiteral("garbage"), QJsonArray { QStringLiteral("Size:x/y"), QStringLiteral("bogus") });
        QTest::newRow("garbage") << garbage << 0
                                 << QStringList { QStringLiteral("Size:x/y"), QStringLiteral("bogus"),
                                        QStringLiteral("ExitCode:0") };
    }
    void faultsShapeTheReport()
    {
        QFETCH(QJsonObject, settings);
        QFETCH(int, exitCode);
        writeScenario({ { QStringLiteral("software"), settings } });
        Inbox inbox(ReportPipe);
        QVERIFY(inbox.isListening());
        QProcess updater;
        QVERIFY(runToEnd(updater, SoftwareTask));
        QCOMPARE(updater.exitStatus() == QProcess::NormalExit ? updater.exitCode() : -1, exitCode);
        QStringList report;
        QVERIFY2(splitProgress(inbox.messages(), TotalSize, &report),
            qUtf8Printable(inbox.messages().join(QLatin1Char(' '))));
        QTEST(report, "report");
    }

    void sizeQueryAnswersTheTotalSizeOnly()
    {
        writeScenario(
            { { QStringLiteral("checkSize"), QJsonObject { { QStringLiteral("totalSize"), 5000000000.0 } } } });
        Inbox inbox(ReportPipe);
        QProcess updater;
        QVERIFY(runToEnd(updater,
            { QStringLiteral("NOVA_SOFTWARE"), QStringLiteral("-download_type:0-5"), QStringLiteral("-CheckTask"),
                QStringLiteral("-AdditionTask:NOVAEYE_SOFTWARE") }));
        QCOMPARE(updater.exitCode(), 0);
        QCOMPARE(inbox.messages(), QStringList { QStringLiteral("TotalSize:5000000000") });
        QVERIFY(!platform::Registry::read(MainKey, QStringLiteral("SystemPath")).isValid()); // installs nothing
    }

    void faultOnTheFirstAttemptOfOneTaskOnly()
    {
        writeScenario({ { QStringLiteral("software"),
            QJsonObject { { QStringLiteral("attempts"),
                QJsonArray { QJsonObject { { QStringLiteral("exitCode"), 5 } }, QJsonObject() } } } } });
        Inbox inbox(ReportPipe);
        QProcess first, other, second;
        QVERIFY(runToEnd(first, SoftwareTask));
        QVERIFY(runToEnd(other, UpdaterTask)); // another task: counted on its own
        QVERIFY(runToEnd(second, SoftwareTask));
        QCOMPARE(first.exitCode(), 5);
        QCOMPARE(other.exitCode(), 0);
        QCOMPARE(second.exitCode(), 0);
        QStringList reports;
        for (const QString &message : inbox.messages()) {
            if (message.startsWith(QLatin1String("ExitCode:")))
                reports.append(message);
        }
        QCOMPARE(reports, split(QStringLiteral("ExitCode:5|ExitCode:0|ExitCode:0")));
    }

    void selfUpdateReportsSixThenTheNewVersionThirteen()
    {
        writeScenario({ { QStringLiteral("updater"),
            QJsonObject { { QStringLiteral("fault"), QStringLiteral("selfUpdate") } } } });
        Inbox inbox(ReportPipe);
        QProcess updater;
        QVERIFY(runToEnd(updater, UpdaterTask));
        QCOMPARE(updater.exitCode(), 6);
        QStringList report;
        QTRY_VERIFY(splitProgress(inbox.messages(), TotalSize, &report) && report.size() == 2);
        QCOMPARE(report, split(QStringLiteral("ExitCode:6|ExitCode:13")));
        // The new version made the update's effect.
        QCOMPARE(platform::Registry::read(MainKey + QStringLiteral("\\Updater"), QStringLiteral("AppPath")).toString(),
            QFileInfo(m_updater).path());
    }

    void hangingUpdaterEndsWhenItsParentDies()
    {
        writeScenario(
            { { QStringLiteral("software"), QJsonObject { { QStringLiteral("fault"), QStringLiteral("hang") } } } },
            { { QStringLiteral("Parent.exe"), QJsonObject { { QStringLiteral("runMs"), 60000 } } } });
        QProcess parent;
        parent.start(m_machine->installPeer(QStringLiteral("opt/Wizard"), QStringLiteral("Parent.exe")), QStringList());
        QVERIFY(parent.waitForStarted());
        Inbox inbox(ReportPipe);
        QProcess updater;
        updater.start(m_updater, SoftwareTask + launchTail(ReportPipe, parent.processId()));
        QStringList report;
        QTRY_VERIFY(splitProgress(inbox.messages(), TotalSize, &report));
        QVERIFY(report.isEmpty());
        QCOMPARE(updater.state(), QProcess::Running);

        parent.kill();
        QVERIFY(parent.waitForFinished(5000));
        QVERIFY(updater.waitForFinished(5000));
        QCOMPARE(updater.exitStatus(), QProcess::NormalExit);
        QCOMPARE(updater.exitCode(), 1);
        QVERIFY(splitProgress(inbox.messages(), TotalSize, &report) && report.isEmpty());
    }

    void installationLeavesWhatLaterStepsRead_data()
    {
        QTest::addColumn<QStringList>("arguments");
        QTest::addColumn<QStringList>("values"); // "key|name|value", <updater> and <programs> replaced
        QTest::addColumn<QString>("file");
        auto guide = [](const char *package, const char *key, const char *name) {
            const QString folder = QStringLiteral("<updater>/App/") + QLatin1String(name);
            const QString program = folder + QLatin1Char('/') + QLatin1String(name) + QStringLiteral(".exe");
            const QString guideKey = QStringLiteral("HKEY_LOCAL_MACHINE\\Software\\KeltNova\\") + QLatin1String(key);
            QTest::newRow(package) << QStringList { QStringLiteral("NOVA_OOBE"), QLatin1String(package),
                QStringLiteral("-SkipAdditionTasks") }
                                   << QStringList { guideKey + QStringLiteral("|AppPath|") + folder,
                                          guideKey + QStringLiteral("|LaunchPath|") + program }
                                   << program;
        };
        guide("com.kelt.windows.oobe.kyr_guide", "NovaTundraEGuide", "NovaTundraEGuide");
        guide("com.kelt.windows.oobe.eye_guide", "NovaEyeGuide", "NovaTundraGuide");
        guide("com.kelt.windows.oobe.dov_guide", "NovaDovGuide", "Nova2020Guide");
        QTest::newRow("updater") << UpdaterTask
                                 << QStringList { MainKey + QStringLiteral("\\Updater|AppPath|<updater>") }
                                 << QString();
        QTest::newRow("software") << SoftwareTask
                                  << QStringList { MainKey + QStringLiteral("|SystemPath|<programs>/NOVA"),
                                         MainKey + QStringLiteral("\\PCClient|AppPath|<programs>/NOVA") }
                                  << QStringLiteral("<programs>/NOVA");
        QTest::newRow("standalone SteamVR")
            << QStringList { QStringLiteral("NOVA_SOFTWARE"), QStringLiteral("com.kelt.windows.nova_internal.steamvr") }
            << QStringList { MainKey + QStringLiteral("|SystemPath|<programs>/NOVA"),
                   MainKey + QStringLiteral("|StandaloneSteamVRInstalled|1") }
            << QStringLiteral("<programs>/NOVA/SteamVR");
    }
    void installationLeavesWhatLaterStepsRead()
    {
        QFETCH(QStringList, arguments);
        QFETCH(QStringList, values);
        QFETCH(QString, file);
        Inbox inbox(ReportPipe);
        QProcess updater;
        QVERIFY(runToEnd(updater, arguments));
        QCOMPARE(updater.exitCode(), 0);
        for (const QString &value : values) {
            const QStringList parts = placeholdersReplaced(value).split(QLatin1Char('|'));
            QCOMPARE(platform::Registry::read(parts.at(0), parts.at(1)).toString(), parts.at(2));
        }
        QVERIFY(file.isEmpty() || QFile::exists(placeholdersReplaced(file)));
    }

    void registeredFolderIsWhereTheSoftwareGoesButNeverOutsideTheSandbox()
    {
        const QString registered = m_machine->path(QStringLiteral("Programs/Kelt"));
        Inbox inbox(ReportPipe);
        QProcess registration;
        QVERIFY(runToEnd(registration,
            { QStringLiteral("-install"), QStringLiteral("NOVA Software"), registered, QStringLiteral("NOVA_SOFTWARE"),
                QStringLiteral("-AdditionTask:NOVAEYE_SOFTWARE") },
            QStringList()));
        QCOMPARE(registration.exitCode(), 0);
        QProcess software;
        QVERIFY(runToEnd(software, SoftwareTask));
        QCOMPARE(software.exitCode(), 0);
        QVERIFY(QFileInfo(registered).isDir());
        QCOMPARE(platform::Registry::read(MainKey + QStringLiteral("\\PCClient"), QStringLiteral("AppPath")).toString(),
            registered);

        QTemporaryDir host;
        const QString outside = host.filePath(QStringLiteral("NOVA"));
        QVERIFY(platform::Registry::write(MainKey, QStringLiteral("SystemPath"), outside));
        const int earlier = inbox.messages().size();
        QProcess refused;
        QVERIFY(runToEnd(refused, SoftwareTask));
        QCOMPARE(refused.exitCode(), 9); // CopyFail
        QStringList report;
        QVERIFY(splitProgress(inbox.messages().mid(earlier), TotalSize, &report));
        QCOMPARE(report, QStringList { QStringLiteral("ExitCode:9") });
        QVERIFY(!QFile::exists(outside));
    }

    void everyRunKeepsItsSettingsFile_data()
    {
        QTest::addColumn<QStringList>("arguments");
        QTest::addColumn<QJsonObject>("tasks");
        QTest::addColumn<QString>("pipe");
        QTest::addColumn<bool>("registration"); // also leaves the per-task files
        const QString registered = QStringLiteral("<programs>/Kelt");
        QTest::newRow("registration") << QStringList { QStringLiteral("-install"), QStringLiteral("NOVA Software"),
            registered, QStringLiteral("NOVA_SOFTWARE") }
                                      << QJsonObject() << QString() << true;
        QTest::newRow("size query") << QStringList { QStringLiteral("NOVA_OOBE"), QStringLiteral("-CheckTask") }
                                    << QJsonObject() << ReportPipe << false;
        QTest::newRow("failed software") << SoftwareTask
                                         << QJsonObject { { QStringLiteral("software"),
                                                QJsonObject { { QStringLiteral("exitCode"), 5 } } } }
                                         << ReportPipe << false;
    }
    void everyRunKeepsItsSettingsFile()
    {
        QFETCH(QStringList, arguments);
        QFETCH(QJsonObject, tasks);
        QFETCH(QString, pipe);
        QFETCH(bool, registration);
        writeScenario(tasks);
        for (QString &argument : arguments)
            argument = placeholdersReplaced(argument);
        Inbox inbox(ReportPipe);
        QProcess updater;
        QVERIFY(runToEnd(
            updater, arguments, pipe.isEmpty() ? QStringList() : launchTail(pipe, platform::Processes::currentPid())));
        const QString config = QFileInfo(m_updater).path() + QStringLiteral("/Config/");
        QFile settings(config + QStringLiteral("ut.ini"));
        QVERIFY(settings.open(QIODevice::ReadOnly));
        const QByteArray text = settings.readAll();
        QVERIFY2(text.startsWith('[') && text.contains("\nLastTask=" + arguments.first().toUtf8() + '\n')
                && text.contains("\nPipe=" + pipe.toUtf8() + '\n'),
            text.constData());
        for (const char *name : { "imei.NOVA_OOBE.ENC", "imei.NOVA_SOFTWARE.ENC" })
            QCOMPARE(QFileInfo(config + QLatin1String(name)).size() > 0, registration);
    }

    void softwareStartsTheStoreInstallerOnRequest_data()
    {
        QTest::addColumn<QJsonValue>("storeInstaller");
        QTest::newRow("asked") << QJsonValue(true);
        QTest::newRow("not said") << QJsonValue(QJsonValue::Undefined);
    }
    void softwareStartsTheStoreInstallerOnRequest()
    {
        QFETCH(QJsonValue, storeInstaller);
        const QString helper = QStringLiteral("UpdaterInstallHelper.exe");
        QJsonObject software;
        if (!storeInstaller.isUndefined())
            software.insert(QStringLiteral("storeInstaller"), storeInstaller);
        writeScenario({ { QStringLiteral("software"), software } },
            { { helper, QJsonObject { { QStringLiteral("runMs"), 1500 } } } });
        Inbox inbox(ReportPipe);
        QProcess updater;
        QVERIFY(runToEnd(updater, SoftwareTask));
        QCOMPARE(updater.exitCode(), 0);
        const QString program = m_machine->path(QStringLiteral("opt/NOVA/NOVAPORT/")) + helper;
        const QString handlerKey = QStringLiteral("HKEY_CLASSES_ROOT\\novaport\\Shell\\Open\\Command");
        if (!storeInstaller.toBool()) {
            QVERIFY(!QFile::exists(program));
            QVERIFY(!m_machine->peerStarts().join(QLatin1Char('\n')).contains(helper));
            return;
        }
        // It runs past the updater's end, then leaves the store app's handler.
        QTRY_VERIFY(!platform::Processes::find(program, platform::Processes::Match::Path).isEmpty());
        QTRY_VERIFY_WITH_TIMEOUT(platform::Processes::find(program, platform::Processes::Match::Path).isEmpty(), 15000);
        QCOMPARE(platform::Registry::read(handlerKey, QStringLiteral("Default")).toString(),
            QStringLiteral("\"%1/Nova.exe\" \"%2\"").arg(QFileInfo(program).path(), QStringLiteral("%1")));
    }

    void installedGuideReportsDoneByDefault()
    {
        const QString guide = installEyeGuide();
        Inbox caller(QStringLiteral("installer_for_guide1"));
        QProcess process;
        process.start(guide,
            { QStringLiteral("DONE:\\\\.\\pipe\\installer_for_guide1"), QStringLiteral("SESSIONID:s1"),
                QStringLiteral("-PUBLIC") });
        QVERIFY(process.waitForFinished(20000));
        QCOMPARE(process.exitCode(), 0);
        QCOMPARE(caller.messages(), QStringList { QStringLiteral("DONE") });
    }

    void guideClosesLaterAndHearsTheBackgroundInstall()
    {
        const QString guide = installEyeGuide();
        writeScenario({},
            { { QStringLiteral("NovaTundraGuide.exe"),
                QJsonObject { { QStringLiteral("messages"),
                                  QJsonArray { QStringLiteral("DONE"), QStringLiteral("GUIDE_CLOSE") } },
                    { QStringLiteral("intervalMs"), 200 }, { QStringLiteral("runMs"), 60000 } } } });
        Inbox caller(QStringLiteral("installer_for_guide2"));
        QProcess process;
        process.start(guide,
            { QStringLiteral("DONE:\\\\.\\pipe\\installer_for_guide2"), QStringLiteral("SESSIONID:s2"),
                QStringLiteral("-PUBLIC"), QStringLiteral("BGIPIPE:\\\\.\\pipe\\bgi_pipe") });
        QTRY_COMPARE(caller.messages(), split(QStringLiteral("DONE|GUIDE_CLOSE")));

        QByteArray reply;
        platform::NamedPipeClient wizard(QStringLiteral("\\\\.\\pipe\\bgi_pipe"), 5000);
        QCOMPARE(wizard.call("BGI_STATUS:done", &reply), platform::NamedPipeClient::Status::Ok);
        QCOMPARE(reply, QByteArray("OK"));
        QFile log(m_machine->path(QStringLiteral("bgi_pipe.log")));
        QVERIFY(log.open(QIODevice::ReadOnly));
        QCOMPARE(log.readAll(), QByteArray("BGI_STATUS:done\n"));
        QCOMPARE(process.state(), QProcess::Running);
        process.kill();
        process.waitForFinished();
    }

private:
    // Downloads take about 100 ms, reported every 20 ms.
    static constexpr qint64 TotalSize = 3000;
    static constexpr qint64 Speed = 30000; // bytes per second
    static constexpr int IntervalMs = 20;

    // The updater's scenario: small downloads, settings per task, and other programs.
    void writeScenario(const QJsonObject &tasks, const QJsonObject &others = QJsonObject()) const
    {
        QJsonObject scenario = others;
        scenario.insert(QStringLiteral("Updater.exe"),
            QJsonObject { { QStringLiteral("totalSize"), TotalSize }, { QStringLiteral("speed"), Speed },
                { QStringLiteral("intervalMs"), IntervalMs }, { QStringLiteral("tasks"), tasks } });
        m_machine->writeScenario(scenario);
    }

    // Runs the updater in its folder as the wizard does, and waits for its end.
    bool runToEnd(QProcess &updater, const QStringList &task, const QStringList &tail)
    {
        updater.setWorkingDirectory(QFileInfo(m_updater).path());
        updater.start(m_updater, task + tail);
        return updater.waitForFinished(20000);
    }
    bool runToEnd(QProcess &updater, const QStringList &task)
    {
        return runToEnd(updater, task, launchTail(ReportPipe, platform::Processes::currentPid()));
    }

    QString placeholdersReplaced(QString text) const
    {
        return text.replace(QStringLiteral("<updater>"), QFileInfo(m_updater).path())
            .replace(QStringLiteral("<programs>"), m_machine->path(QStringLiteral("opt")));
    }

    QString installEyeGuide()
    {
        Inbox inbox(ReportPipe);
        QProcess updater;
        if (!runToEnd(updater, { QStringLiteral("NOVA_OOBE"), EyeGuide }) || updater.exitCode() != 0)
            return QString();
        return platform::Registry::read(MainKey + QStringLiteral("\\NovaEyeGuide"), QStringLiteral("LaunchPath"))
            .toString();
    }

    std::unique_ptr<SandboxMachine> m_machine;
    QString m_updater;
};

QTEST_GUILESS_MAIN(TestPeerUpdater)
#include "tst_peer_updater.moc"
