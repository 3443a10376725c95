#include "LogCapture.h"
#include "SandboxMachine.h"

#include "core/Utils.h"
#include "platform/Processes.h"

#include <QDir>
#include <QElapsedTimer>
#include <QTemporaryDir>
#include <QTest>

#include <algorithm>
#include <cerrno>
#include <memory>

#include <unistd.h>

using platform::Processes;

namespace {

void writeFile(const QString &path, const QByteArray &content)
{
    QDir().mkpath(QFileInfo(path).path());
    QFile file(path);
    if (file.open(QIODevice::WriteOnly))
        file.write(content);
}

QByteArray readFile(const QString &path)
{
    QFile file(path);
    return file.open(QIODevice::ReadOnly) ? file.readAll() : QByteArray();
}

// Makes entries below base: names ending in "/" are folders, others files holding their name.
void makeTree(const QString &base, const QStringList &entries)
{
    for (const QString &entry : entries) {
        if (entry.endsWith(QLatin1Char('/')))
            QDir().mkpath(base + QLatin1Char('/') + entry);
        else
            writeFile(base + QLatin1Char('/') + entry, entry.toUtf8());
    }
}

QStringList sorted(QStringList lines)
{
    lines.sort();
    return lines;
}

QString found(qint64 pid)
{
    return QStringLiteral("[Utils] Found process %1: Sleeper.exe").arg(pid);
}

QString killed(qint64 pid)
{
    return QStringLiteral("[Utils] Killed process %1").arg(pid);
}

} // namespace

class TestUtils : public QObject {
    Q_OBJECT

private slots:
    void init()
    {
        m_machine = std::make_unique<SandboxMachine>();
        m_log = std::make_unique<LogCapture>();
    }

    void cleanup()
    {
        for (QProcess *process : { &m_a, &m_b }) {
            process->kill();
            process->waitForFinished();
        }
        m_log.reset();
        m_machine.reset();
    }

    void emptyPatternFindsKillsAndLogsNothing()
    {
        startSleepers();
        QVERIFY(!Utils::findProcessByName(QString()));
        QVERIFY(!Utils::findProcessByPrefix(QString()));
        QVERIFY(!Utils::killProcessByName(QString()));
        QVERIFY(!Utils::killProcessByPath(QString()));
        QCOMPARE(m_log->lines(), QStringList());
        QVERIFY(!m_a.waitForFinished(100));
        QVERIFY(!m_b.waitForFinished(100));
    }

    void findReportsEveryMatchIgnoringCase()
    {
        startSleepers();
        QList<qint64> ids;
        QVERIFY(Utils::findProcessByName(QStringLiteral("sleeper.EXE"), &ids));
        QVERIFY(Utils::findProcessByPrefix(QStringLiteral("SLEEP")));
        std::sort(ids.begin(), ids.end());
        QCOMPARE(ids, (QList<qint64> { qMin(m_pidA, m_pidB), qMax(m_pidA, m_pidB) }));
        const QStringList lines = m_log->lines();
        QCOMPARE(lines.size(), 6);
        QCOMPARE(lines.at(0), QStringLiteral("[Utils] Find process of name sleeper.EXE"));
        QCOMPARE(lines.at(3), QStringLiteral("[Utils] Find process of prefix SLEEP"));
        for (int first : { 1, 4 })
            QCOMPARE(sorted(lines.mid(first, 2)), sorted({ found(m_pidA), found(m_pidB) }));
    }

    void ownProcessIsNeverFound()
    {
        const QByteArray root = qgetenv("NOVA_MACHINE_ROOT");
        qunsetenv("NOVA_MACHINE_ROOT"); // the whole host, where our own image is visible
        QList<qint64> ids;
        Utils::findProcessByName(QFileInfo(QCoreApplication::applicationFilePath()).fileName(), &ids);
        qputenv("NOVA_MACHINE_ROOT", root);
        QVERIFY(!ids.contains(Processes::currentPid()));
    }

    void killByNameEndsEveryMatch()
    {
        startSleepers();
        QVERIFY(Utils::killProcessByName(QStringLiteral("SLEEPER.exe")));
        QVERIFY(m_a.waitForFinished(5000));
        QVERIFY(m_b.waitForFinished(5000));
        QCOMPARE(sorted(m_log->lines()), sorted({ found(m_pidA), killed(m_pidA), found(m_pidB), killed(m_pidB) }));
        m_log->clear();
        QVERIFY(!Utils::killProcessByName(QStringLiteral("SLEEPER.exe")));
        QCOMPARE(m_log->lines(), QStringList { QStringLiteral("[Utils] No existing process: SLEEPER.exe") });
    }

    void killByPathLeavesTheSameNameInAnotherFolderAlone()
    {
        startSleepers();
        QVERIFY(Utils::killProcessByPath(m_machine->path(QStringLiteral("opt/A/Sleeper.exe"))));
        QVERIFY(m_a.waitForFinished(5000));
        QVERIFY(!m_b.waitForFinished(100));
        QCOMPARE(m_log->lines(), (QStringList { found(m_pidA), killed(m_pidA) }));
    }

    void copyDirReplacesKeepsAndSkipsHidden()
    {
        const QString source = m_machine->path(QStringLiteral("src"));
        const QString destination = m_machine->path(QStringLiteral("dst"));
        makeTree(source,
            { QStringLiteral("a.txt"), QStringLiteral(".hidden"), QStringLiteral("sub/b.txt"),
                QStringLiteral("sub/.hid") });
        makeTree(destination, { QStringLiteral("keep.txt") });
        writeFile(destination + QStringLiteral("/a.txt"), "old");

        QVERIFY(Utils::copyDir(source, destination));
        QCOMPARE(readFile(destination + QStringLiteral("/a.txt")), QByteArray("a.txt"));
        QCOMPARE(readFile(destination + QStringLiteral("/sub/b.txt")), QByteArray("sub/b.txt"));
        QVERIFY(QFile::exists(destination + QStringLiteral("/keep.txt")));
        QVERIFY(!QFile::exists(destination + QStringLiteral("/.hidden")));
        QVERIFY(!QFile::exists(destination + QStringLiteral("/sub/.hid")));
        QCOMPARE(m_log->lines().value(0), QStringLiteral("[Utils] copyDir(): %1 to %2").arg(source, destination));
        QVERIFY(m_log->contains(QStringLiteral("[Utils] Remove existing file a.txt before copying.")));
        QVERIFY(m_log->lines(QtWarningMsg).isEmpty());

        Utils::removeFolder(destination);
        QVERIFY(!QFileInfo::exists(destination));
        QVERIFY(m_log->contains(QStringLiteral("[Utils] Folder removed.")));
    }

    // Symbolic links are copied as links: a link into the tree points into the copy, one
    // out of it keeps its target, and a link to a parent folder does not loop.
    void copyDirCopiesLinksAsLinks()
    {
        const QString source = m_machine->path(QStringLiteral("src"));
        const QString destination = m_machine->path(QStringLiteral("dst"));
        const QString outside = m_machine->path(QStringLiteral("outside"));
        makeTree(source, { QStringLiteral("lib/real.txt") });
        makeTree(outside, { QStringLiteral("big.bin") });
        makeTree(destination, { QStringLiteral("file-link") });
        QVERIFY(QFile::link(QStringLiteral("lib/real.txt"), source + QStringLiteral("/file-link")));
        QVERIFY(QFile::link(QStringLiteral("lib"), source + QStringLiteral("/dir-link")));
        QVERIFY(QFile::link(QStringLiteral(".."), source + QStringLiteral("/lib/loop")));
        QVERIFY(QFile::link(outside, source + QStringLiteral("/outside-link")));

        QVERIFY(Utils::copyDir(source, destination));
        const auto target = [&destination](const char *name) {
            return QFileInfo(destination + QLatin1Char('/') + QLatin1String(name)).symLinkTarget();
        };
        QCOMPARE(target("file-link"), destination + QStringLiteral("/lib/real.txt"));
        QCOMPARE(target("dir-link"), destination + QStringLiteral("/lib"));
        QCOMPARE(target("lib/loop"), destination);
        QCOMPARE(target("outside-link"), outside);
        QCOMPARE(readFile(destination + QStringLiteral("/file-link")), QByteArray("lib/real.txt"));
        QVERIFY(m_log->lines(QtWarningMsg).isEmpty());
    }

    void copyDirStopsAtTheFirstFailure_data()
    {
        QTest::addColumn<QStringList>("source"); // entries below src; none: src is missing
        QTest::addColumn<QString>("destination"); // below the root
        QTest::addColumn<QStringList>("existing"); // entries below the root beforehand
        QTest::addColumn<QStringList>("warnings"); // {root} stands for the sandbox root
        QTest::newRow("missing source") << QStringList() << QStringLiteral("dst") << QStringList()
                                        << QStringList { QStringLiteral(
                                               "[Utils] WARNING: Source directory {root}/src doesn't exists, abort.") };
        QTest::newRow("file over a folder")
            << QStringList { QStringLiteral("a.txt") } << QStringLiteral("dst")
            << QStringList { QStringLiteral("dst/a.txt/") }
            << QStringList { QStringLiteral("[Utils] WARNING: Failed to copy file {root}/dst/a.txt, abort.") };
        QTest::newRow("folder over a file")
            << QStringList { QStringLiteral("sub/x.txt") } << QStringLiteral("dst")
            << QStringList { QStringLiteral("dst/sub") }
            << QStringList { QStringLiteral("[Utils] WARNING: Failed to make directory {root}/dst/sub, abort."),
                   QStringLiteral("[Utils] WARNING: Failed when copying sub directory {root}/dst/sub, abort.") };
    }
    void copyDirStopsAtTheFirstFailure()
    {
        QFETCH(QStringList, source);
        QFETCH(QString, destination);
        QFETCH(QStringList, existing);
        QFETCH(QStringList, warnings);
        makeTree(m_machine->path(QStringLiteral("src")), source);
        makeTree(m_machine->root(), existing);
        QVERIFY(!Utils::copyDir(m_machine->path(QStringLiteral("src")), m_machine->path(destination)));
        QCOMPARE(m_log->lines(QtWarningMsg), warnings.replaceInStrings(QStringLiteral("{root}"), m_machine->root()));
    }

    void getConfig_data()
    {
        QTest::addColumn<QString>("fileName");
        QTest::addColumn<bool>("isInstaller");
        QTest::addColumn<QString>("key");
        QTest::addColumn<QString>("value");
        QTest::addColumn<QStringList>("lines"); // {config} stands for the configuration folder
        const QString path = QStringLiteral("[Utils] getConfig(), isInstaller: %1, path: {config}/%2");
        const QStringList found { path.arg(0).arg(QStringLiteral("gpu.ini")), QStringLiteral("[Utils] found gpu.ini") };
        QTest::newRow("installed, key present")
            << QStringLiteral("gpu.ini") << false << QStringLiteral("Nvidia") << QStringLiteral("55054") << found;
        QTest::newRow("installed, key absent")
            << QStringLiteral("gpu.ini") << false << QStringLiteral("Amd") << QString() << found;
        QTest::newRow("installed, file missing")
            << QStringLiteral("other.ini") << false << QStringLiteral("Nvidia") << QString()
            << QStringList { path.arg(0).arg(QStringLiteral("other.ini")),
                   QStringLiteral("[Utils] {config}/other.ini not exist.") };
        QTest::newRow("shipped, file missing")
            << QStringLiteral("other.ini") << true << QStringLiteral("Nvidia") << QString()
            << QStringList { path.arg(1).arg(QStringLiteral("other.ini")),
                   QStringLiteral("[Utils] {config}/other.ini not exist.") };
    }
    void getConfig()
    {
        QFETCH(QString, fileName);
        QFETCH(bool, isInstaller);
        QFETCH(QString, key);
        QFETCH(QString, value);
        QFETCH(QStringList, lines);
        const QString updater = m_machine->path(QStringLiteral("opt/KeltNova/Updater"));
        Utils::writeRegValue(Utils::RegUpdater, Utils::ValueAppPath, updater);
        writeFile(updater + QStringLiteral("/App/OOBE_Config/gpu.ini"), "[GPU]\nNvidia=55054\n");
        m_log->clear();
        QCOMPARE(Utils::getConfig(fileName, QStringLiteral("GPU"), key, isInstaller), value);
        const QString config
            = (isInstaller ? QCoreApplication::applicationDirPath() + QStringLiteral("/Updater") : updater)
            + QStringLiteral("/App/OOBE_Config");
        QCOMPARE(m_log->lines(), lines.replaceInStrings(QStringLiteral("{config}"), config));
    }

    void testModeFollowsTheRootMarker()
    {
        QVERIFY(!Utils::isTestMode());
        QCOMPARE(m_log->lines(), QStringList());
        writeFile(m_machine->path(QStringLiteral("Internal_Application.ini")), QByteArray());
        QVERIFY(Utils::isTestMode());
        QCOMPARE(m_log->lines(), QStringList { QStringLiteral("[Utils] Enter test mode due to root folder check.") });
    }

    void novaportHelperCommand_data()
    {
        QTest::addColumn<QString>("command"); // {helper} stands for the helper's path
        QTest::addColumn<bool>("installed");
        QTest::addColumn<bool>("accepted");
        QTest::addColumn<QStringList>("lines");
        const QString quoted = QStringLiteral("\"{helper}\" \"%1\"");
        const QString path = QStringLiteral("[Utils] UpdaterInstallHelper path: {helper}");
        QTest::newRow("not registered") << QString() << true << false << QStringList();
        QTest::newRow("no quoted path") << QStringLiteral("{helper} %1") << true << false
                                        << QStringList { QStringLiteral("[Utils] UpdaterInstallHelper path: ") };
        QTest::newRow("helper missing") << quoted << false << false << QStringList { path };
        QTest::newRow("good") << quoted << true << true
                              << QStringList { path, QStringLiteral("[Utils] Found helper: {helper}") };
    }
    void novaportHelperCommand()
    {
        QFETCH(QString, command);
        QFETCH(bool, installed);
        QFETCH(bool, accepted);
        QFETCH(QStringList, lines);
        const QString helper = registerHelper(command, installed);
        QCOMPARE(Utils::getNovaportHelperCommand(),
            accepted ? command.replace(QStringLiteral("{helper}"), helper) : QString());
        QCOMPARE(m_log->lines(), lines.replaceInStrings(QStringLiteral("{helper}"), helper));
    }

    void protocolCommandWithoutQuotedPathStartsNothing()
    {
        registerHelper(QStringLiteral("{helper} %1"), true);
        Utils::launchNovaportByProtocol();
        QCOMPARE(m_log->lines(),
            (QStringList { QStringLiteral("[Utils] Launch NOVAPORT"),
                QStringLiteral("[Utils] UpdaterInstallHelper path: "),
                QStringLiteral("[Utils] ERROR: Cannot find NOVAPORT, abort.") }));
        QVERIFY(!QFile::exists(m_machine->path(QStringLiteral("peers.log"))));
    }

    void protocolCommandStartsTheHelperInItsFolder()
    {
        const QString helper = registerHelper(QStringLiteral("\"{helper}\" \"%1\""), true);
        Utils::launchNovaportByProtocol();
        QVERIFY(m_log->contains(QStringLiteral("[Utils] Calling \"%1\" \"novaport://launchnovaport\"").arg(helper)));
        QVERIFY(m_log->contains(QStringLiteral("[Utils] After convertion, working dir: ") + QFileInfo(helper).path()));
        QTRY_VERIFY(readFile(m_machine->path(QStringLiteral("peers.log"))).contains("novaport://launchnovaport"));
    }

    void controlUnitStartsFromTheRegistry()
    {
        const QString program = m_machine->installPeer(QStringLiteral("opt/CU"), QStringLiteral("ControlUnit.exe"));
        Utils::writeRegValue(Utils::RegControlUnit, Utils::ValueAppPath, QFileInfo(program).path());
        Utils::writeRegValue(Utils::RegControlUnit, Utils::ValueLaunchPath, program);
        Utils::launchControlUnit();
        QCOMPARE(m_log->lines(), QStringList { QStringLiteral("[Utils] Launch CU") });
        QTRY_VERIFY(readFile(m_machine->path(QStringLiteral("peers.log"))).contains("ControlUnit.exe"));
    }

    void launchAsUser_data()
    {
        QTest::addColumn<bool>("installed");
        QTest::addColumn<bool>("hide");
        QTest::addColumn<bool>("created");
        QTest::addColumn<int>("exitCode");
        QTest::addColumn<QStringList>("tail"); // the lines after the version line
        const QStringList hidden { QStringLiteral("[Utils] Need hide process window. Set to hide."),
            QStringLiteral("[Utils] set 'dwCreationFlags' to 'CREATE_NO_WINDOW'") };
        const QString exited = QStringLiteral("[Utils] exit code:3");
        QTest::newRow("hidden") << true << true << true << 3 << hidden + QStringList { exited };
        QTest::newRow("shown") << true << false << true << 3 << QStringList { exited };
        QTest::newRow("missing program")
            << false << false << false << -1
            << QStringList { QStringLiteral("[Utils] ERROR: CreateProcessWithTokenW failed: %1").arg(ENOENT) };
    }
    void launchAsUser()
    {
        QFETCH(bool, installed);
        QFETCH(bool, hide);
        QFETCH(bool, created);
        QFETCH(int, exitCode);
        QFETCH(QStringList, tail);
        m_machine->writeProfile({ { QStringLiteral("windowsVersion"), QStringLiteral("10.0.19045") } });
        m_machine->writeScenario(
            { { QStringLiteral("Quick.exe"), QJsonObject { { QStringLiteral("exitCode"), 3 } } } });
        const QString folder = m_machine->path(QStringLiteral("opt/Quick"));
        const QString command = QStringLiteral("\"%1/Quick.exe\" -x").arg(folder);
        if (installed)
            m_machine->installPeer(QStringLiteral("opt/Quick"), QStringLiteral("Quick.exe"));
        int code = -1;
        QCOMPARE(Utils::launchAsUser(folder, command, code, true, hide), created);
        QCOMPARE(code, exitCode);
        QCOMPARE(m_log->lines(),
            QStringList({ QStringLiteral("[Utils] launchAsUser ") + command,
                QStringLiteral("[Utils] After convertion, working dir: ") + folder,
                QStringLiteral("[Utils] After convertion, command: ") + command,
                QStringLiteral("[Utils] Current OS Windows version:10.0.19045") })
                + tail);
    }

    // As root with nobody to run it for, the program would run elevated: it is not started.
    void asRootWithoutADesktopUserNothingStarts()
    {
        if (::geteuid() != 0)
            QSKIP("needs root");
        m_machine.reset(); // the host's own rules
        NoDesktopUserNamed noUser;
        QTemporaryDir folder;
        int code = -1;
        QVERIFY(!Utils::launchAsUser(folder.path(), QStringLiteral("sh -c \"echo ran > marker\""), code, true, false));
        QCOMPARE(code, -1);
        // Refused before anything else is prepared or logged.
        QCOMPARE(m_log->lines(),
            (QStringList { QStringLiteral("[Utils] launchAsUser sh -c \"echo ran > marker\""),
                QStringLiteral("[Utils] ERROR: No desktop shell is present") }));
        QVERIFY(!QFile::exists(folder.filePath(QStringLiteral("marker"))));
    }

    void waitedProgramPastTheLimitIsTerminated()
    {
        m_machine->writeScenario(
            { { QStringLiteral("Sleeper.exe"), QJsonObject { { QStringLiteral("runMs"), 60000 } } } });
        const QString program = m_machine->installPeer(QStringLiteral("opt/A"), QStringLiteral("Sleeper.exe"));
        QElapsedTimer timer;
        timer.start();
        int code = -1;
        QVERIFY(!Utils::launchAsUser(QFileInfo(program).path(), program, code, true, false));
        QVERIFY(timer.elapsed() >= 10000);
        QCOMPARE(code, -1);
        QCOMPARE(m_log->lines(QtWarningMsg),
            QStringList { QStringLiteral("[Utils] ERROR ! Wait time out for process execution.") });
        QVERIFY(Processes::find(QStringLiteral("Sleeper.exe"), Processes::Match::Name).isEmpty());
    }

private:
    // Two copies of a long-running program with the same name, in opt/A and opt/B.
    void startSleepers()
    {
        m_machine->writeScenario(
            { { QStringLiteral("Sleeper.exe"), QJsonObject { { QStringLiteral("runMs"), 60000 } } } });
        for (auto [process, folder] : { std::pair { &m_a, "opt/A" }, { &m_b, "opt/B" } }) {
            process->start(m_machine->installPeer(QLatin1String(folder), QStringLiteral("Sleeper.exe")), QStringList());
            QVERIFY(process->waitForStarted());
        }
        // Started means forked: wait until each runs its own image.
        QTRY_COMPARE(Processes::find(QStringLiteral("Sleeper.exe"), Processes::Match::Name).size(), 2);
        m_pidA = m_a.processId();
        m_pidB = m_b.processId();
        m_log->clear();
    }

    // Registers the store protocol's command ({helper} replaced) and returns the helper's path.
    QString registerHelper(const QString &command, bool installed)
    {
        const QString helper = m_machine->path(QStringLiteral("opt/NOVAPORT/NovaportHelper.exe"));
        if (installed)
            m_machine->installPeer(QStringLiteral("opt/NOVAPORT"), QStringLiteral("NovaportHelper.exe"));
        if (!command.isEmpty())
            Utils::writeRegValue(QStringLiteral("HKEY_CLASSES_ROOT\\novaport\\Shell\\Open\\Command"),
                QStringLiteral("Default"), QString(command).replace(QStringLiteral("{helper}"), helper));
        m_log->clear();
        return helper;
    }

    std::unique_ptr<SandboxMachine> m_machine;
    std::unique_ptr<LogCapture> m_log;
    QProcess m_a, m_b;
    qint64 m_pidA = 0, m_pidB = 0; // kept: a finished QProcess forgets its id
};

QTEST_GUILESS_MAIN(TestUtils)
#include "tst_utils.moc"
