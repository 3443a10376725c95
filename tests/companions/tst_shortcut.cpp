#include "DesktopFileValidator.h"
#include "LogCapture.h"
#include "SandboxMachine.h"

#include "companions/ShortCut.h"

#include <QDir>
#include <QFileInfo>
#include <QJsonArray>
#include <QJsonDocument>
#include <QTest>

#include <cerrno>
#include <memory>

using platform::ProcessInfo;

Q_DECLARE_METATYPE(ProcessInfo)

namespace {

const QString Abort
    = QStringLiteral("[ShortCut] ERROR: Can't get launcher path or desktop path, abort to create shortcut.");
const QString LauncherName = QStringLiteral("NovaTundraSetupP2.exe");
const QString EntryName = QStringLiteral("NovaTundraSetup.desktop");
// Blanks, quotes, a dollar and a backslash, which the Exec key must escape. (No percent
// sign: GLib looks for the program before it reads "%%" back as "%".)
const QString LauncherFolder = QStringLiteral("opt/NOVA \"Setup\" $USER a\\b");

ProcessInfo process(qint64 pid, qint64 parentPid, const QString &imagePath, const QString &imageName = QString())
{
    ProcessInfo info;
    info.pid = pid;
    info.parentPid = parentPid;
    info.imagePath = imagePath;
    info.imageName = imageName.isEmpty() ? QFileInfo(imagePath).fileName() : imageName;
    return info;
}

QStringList shortcutLines(const LogCapture &log)
{
    return log.startingWith(QStringLiteral("[Short"));
}

QStringList filesIn(const QString &folder)
{
    return QDir(folder).entryList(QDir::Files | QDir::Hidden | QDir::System);
}

QString readText(const QString &path)
{
    QFile file(path);
    return file.open(QIODevice::ReadOnly) ? QString::fromUtf8(file.readAll()) : QString();
}

QJsonObject launchSetting(const QString &program)
{
    return { { QStringLiteral("launch"), QJsonObject { { QStringLiteral("program"), program } } } };
}

} // namespace

class TestShortCut : public QObject {
    Q_OBJECT

private slots:
    void init() { m_machine = std::make_unique<SandboxMachine>(); }
    void cleanup() { m_machine.reset(); }

    void launcherIsTheLevelTwoAncestor_data()
    {
        QTest::addColumn<QList<ProcessInfo>>("snapshot");
        QTest::addColumn<QString>("path");
        QTest::addColumn<QString>("location");
        QTest::addColumn<QStringList>("lines");
        const QString launcher = QStringLiteral("/opt/NOVA Setup/") + LauncherName;
        const ProcessInfo self = process(10, 20, QStringLiteral("/opt/NOVA Setup/NovaEyeInstall"));
        const ProcessInfo host = process(20, 30, QStringLiteral("/opt/Kelt/SetupHost.exe"));
        const ProcessInfo top = process(30, 1, launcher);
        const ProcessInfo sibling = process(40, 30, QStringLiteral("/opt/Kelt/Other.exe"));
        const QString level1 = QStringLiteral("[Shortcut] Found level 1 parent: 20, SetupHost.exe");
        const QString level2 = QStringLiteral("[Shortcut] Found level 2 parent: 30, NovaTundraSetupP2.exe");
        const auto result = [](const QString &path, const QString &location) {
            return QStringList { QStringLiteral("[ShortCut] Launcher full path: ") + path,
                QStringLiteral("[ShortCut] Launcher location: ") + location };
        };
        const QStringList notFound
            = QStringList { QStringLiteral("[ShortCut] parseDirPath: Can't find separator, return full path ") }
            + result(QString(), QString());
        const QString missing = QStringLiteral("[Shortcut] WARNING: Failed to find level %1 parent process");

        QTest::newRow("found among others")
            << QList<ProcessInfo> { sibling, top, self, host } << launcher << QStringLiteral("/opt/NOVA Setup")
            << QStringList { level1, level2 } + result(launcher, QStringLiteral("/opt/NOVA Setup"));
        QTest::newRow("empty snapshot") << QList<ProcessInfo>() << QString() << QString()
                                        << QStringList { QStringLiteral(
                                               "[Shortcut] WARNING: Failed to create process snapshot") }
                + notFound;
        QTest::newRow("no level-1 parent") << QList<ProcessInfo> { self, top, sibling } << QString() << QString()
                                           << QStringList { missing.arg(1) } + notFound;
        QTest::newRow("no level-2 parent") << QList<ProcessInfo> { self, host, sibling } << QString() << QString()
                                           << QStringList { level1, missing.arg(2) } + notFound;
        ProcessInfo unreadable = process(30, 1, QString(), LauncherName);
        unreadable.imageError = EACCES;
        QTest::newRow("launcher's path unreadable")
            << QList<ProcessInfo> { self, host, unreadable } << QString() << QString()
            << QStringList { level1, level2, QStringLiteral("[Shortcut] WARNING: Failed to open process 30, error 13") }
                + notFound;
        QTest::newRow("path without separator")
            << QList<ProcessInfo> { self, host, process(30, 1, LauncherName) } << LauncherName << LauncherName
            << QStringList { level1, level2,
                   QStringLiteral("[ShortCut] parseDirPath: Can't find separator, return full path ") + LauncherName }
                + result(LauncherName, LauncherName);
    }
    void launcherIsTheLevelTwoAncestor()
    {
        QFETCH(QList<ProcessInfo>, snapshot);
        LogCapture log;
        const ShortCut::Launcher launcher = ShortCut::findLauncher(snapshot, 10);
        QTEST(launcher.path, "path");
        QTEST(launcher.location, "location");
        QTEST(shortcutLines(log), "lines");
    }

    void shortcutIsNamedAfterTheLauncher_data()
    {
        QTest::addColumn<QString>("launcher");
        QTest::addColumn<QString>("entry");
        QTest::newRow("set-up launcher") << QStringLiteral("/opt/NOVA/") + LauncherName << EntryName;
        QTest::newRow("no P2: whole name")
            << QStringLiteral("/opt/NOVA/Launcher.exe") << QStringLiteral("Launcher.exe.desktop");
        QTest::newRow("first P2 counts") << QStringLiteral("/opt/NOVA/SetupP2P2.exe")
                                         << QStringLiteral("Setup.desktop");
        QTest::newRow("P2 in the folder") << QStringLiteral("/opt/P2/SetupP2.exe") << QStringLiteral("Setup.desktop");
        QTest::newRow("nothing before P2: whole name")
            << QStringLiteral("/opt/NOVA/P2Setup.exe") << QStringLiteral("P2Setup.exe.desktop");
    }
    void shortcutIsNamedAfterTheLauncher()
    {
        QFETCH(QString, launcher);
        QFETCH(QString, entry);
        QTemporaryDir desktop;
        QVERIFY(ShortCut::writeShortcut(desktop.path(), { launcher, QFileInfo(launcher).path() }));
        QCOMPARE(filesIn(desktop.path()), QStringList { entry });
        const QString path = desktop.filePath(entry);
        QVERIFY(readText(path).contains(QStringLiteral("\nName=") + entry.chopped(8) + QLatin1Char('\n')));
        QCOMPARE(validatorComplaints(path), QString());
    }

    void entryReplacesFileOrLinkOfItsName()
    {
        QTemporaryDir home;
        const QString desktop = home.filePath(QStringLiteral("Desktop")); // missing: made
        const QString path = desktop + QLatin1Char('/') + EntryName;
        const ShortCut::Launcher launcher { QStringLiteral("/opt/NOVA Setup/") + LauncherName,
            QStringLiteral("/opt/NOVA Setup") };
        const QString entry
            = QStringLiteral("[Desktop Entry]\nType=Application\nName=NovaTundraSetup\nComment=NOVA Tundra Setup\n"
                             "Exec=\"/opt/NOVA Setup/NovaTundraSetupP2.exe\" \nPath=/opt/NOVA Setup\n");
        LogCapture log;
        QVERIFY(ShortCut::writeShortcut(desktop, launcher));
        QCOMPARE(readText(path), entry);
        QCOMPARE(shortcutLines(log),
            (QStringList { QStringLiteral("[ShortCut] Desktop path: ") + desktop,
                QStringLiteral("[ShortCut] Launcher path: ") + launcher.path,
                QStringLiteral("[ShortCut] Shortcut's full path: ") + path,
                QStringLiteral("[ShortCut]create shortcut success") }));

        // A stale file, not executable, is replaced; a link is replaced itself, and the
        // file it points to stays as it was.
        const QString elsewhere = home.filePath(QStringLiteral("elsewhere.txt"));
        QFile stale(elsewhere);
        QVERIFY(stale.open(QIODevice::WriteOnly) && stale.write("stale") == 5);
        stale.close();
        using Plant = bool (*)(const QString &, const QString &);
        for (const Plant plant : { Plant(&QFile::copy), Plant(&QFile::link) }) {
            QVERIFY(QFile::remove(path) && plant(elsewhere, path));
            QVERIFY(ShortCut::writeShortcut(desktop, launcher));
            QCOMPARE(readText(path), entry);
            QVERIFY(QFile::permissions(path).testFlag(QFile::ExeOther));
            QCOMPARE(readText(elsewhere), QStringLiteral("stale"));
        }
    }

    void unusableLauncherOrDesktopFails_data()
    {
        QTest::addColumn<QString>("desktop"); // below a temporary folder; "-" for none
        QTest::addColumn<QString>("launcher");
        QTest::addColumn<QString>("warning");
        const QString launcher = QStringLiteral("/opt/NOVA/") + LauncherName;
        QTest::newRow("no launcher") << QStringLiteral("Desktop") << QString() << Abort;
        QTest::newRow("no desktop") << QStringLiteral("-") << launcher << Abort;
        QTest::newRow("desktop is a file")
            << QStringLiteral("file") << launcher
            << QStringLiteral("[ShortCut]create shortcut fail hRes: ") + QString::number(QFileDevice::OpenError);
    }
    void unusableLauncherOrDesktopFails()
    {
        QFETCH(QString, desktop);
        QFETCH(QString, launcher);
        QFETCH(QString, warning);
        QTemporaryDir home;
        QFile file(home.filePath(QStringLiteral("file")));
        QVERIFY(file.open(QIODevice::WriteOnly));
        file.close();
        LogCapture log;
        const QString folder = desktop == QLatin1String("-") ? QString() : home.filePath(desktop);
        QVERIFY(!ShortCut::writeShortcut(folder, { launcher, QStringLiteral("/opt/NOVA") }));
        QCOMPARE(log.lines(QtWarningMsg), QStringList { warning });
        QCOMPARE(filesIn(home.path()), QStringList { QStringLiteral("file") });
    }

    // The only test that lets this process look for its own launcher, which it does once.
    void ownLauncherIsLookedUpOnce()
    {
        LogCapture log;
        ShortCut first;
        ShortCut second;
        QVERIFY(!second.createShortcut());
        QCOMPARE(log.count(QStringLiteral("[ShortCut] Launcher full path: ")), 1);
        QCOMPARE(ShortCut::launcherPath(), QString());
        QString missing;
        QVERIFY2(linesInOrder(log.lines(),
                     { QStringLiteral("[ShortCut] Create shortcut for Launcher"),
                         QStringLiteral("[ShortCut] Desktop path: ") + m_machine->path(QStringLiteral("Desktop")),
                         QStringLiteral("[ShortCut] Launcher path: "), Abort },
                     &missing),
            qUtf8Printable(missing));
        QVERIFY(filesIn(m_machine->path(QStringLiteral("Desktop"))).isEmpty());
    }

    void launcherChainGetsAShortcutThatStartsIt()
    {
        const QString launcher = m_machine->installPeer(LauncherFolder, LauncherName);
        const QString host = m_machine->installPeer(QStringLiteral("opt/Kelt"), QStringLiteral("SetupHost.exe"));
        // The launcher's first start begins the chain; the shortcut's start runs it alone.
        m_machine->writeScenario({ { LauncherName,
                                       QJsonObject { { QStringLiteral("attempts"),
                                           QJsonArray { launchSetting(host),
                                               QJsonObject { { QStringLiteral("launch"), QJsonObject() } } } } } },
            { QStringLiteral("SetupHost.exe"), launchSetting(installWizard()) } });
        const QString output = runToEnd(launcher);
        const QString folder = m_machine->path(LauncherFolder);
        const auto pid
            = [this](const QString &program) { return starts(program).value(0).value(QLatin1String("pid")).toInt(); };
        QString missing;
        QVERIFY2(
            linesInOrder(output.split(QLatin1Char('\n')),
                { QStringLiteral("[Shortcut] Found level 1 parent: %1, SetupHost.exe")
                        .arg(pid(QStringLiteral("SetupHost.exe"))),
                    QStringLiteral("[Shortcut] Found level 2 parent: %1, %2").arg(pid(LauncherName)).arg(LauncherName),
                    QStringLiteral("[ShortCut] Launcher location: ") + folder,
                    QStringLiteral("[ShortCut]create shortcut success") },
                &missing),
            qUtf8Printable(missing + QStringLiteral(" in:\n") + output));

        const QString entry = m_machine->path(QStringLiteral("Desktop/")) + EntryName;
        QCOMPARE(filesIn(m_machine->path(QStringLiteral("Desktop"))), QStringList { EntryName });
        QCOMPARE(validatorComplaints(entry), QString());
        QVERIFY(readText(entry).contains(QStringLiteral("\nPath=")
            + QString(folder).replace(QLatin1Char('\\'), QLatin1String("\\\\")) + QLatin1Char('\n')));
        // A desktop opening the entry starts the launcher itself, without arguments.
        QCOMPARE(QProcess::execute(QStringLiteral("gio"), { QStringLiteral("launch"), entry }), 0);
        QTRY_COMPARE_WITH_TIMEOUT(starts(LauncherName).size(), 2, 20000);
        QCOMPARE(starts(LauncherName).at(1).value(QLatin1String("arguments")).toArray(), QJsonArray());
    }

private:
    // A copy of the shortcut helper in the machine, where process look-ups see it.
    QString installWizard() const
    {
        const QString wizard = m_machine->path(QStringLiteral("opt/NOVA/NovaEyeInstall"));
        QDir().mkpath(QFileInfo(wizard).path());
        return QFile::copy(builtProgram(QStringLiteral("nova-shortcut-helper")), wizard) ? wizard : QString();
    }

    // Runs program to its end and returns what it and its children wrote to stderr.
    static QString runToEnd(const QString &program)
    {
        QProcess process;
        process.start(program, QStringList());
        if (!process.waitForFinished(60000) || process.exitCode() != 0)
            return QStringLiteral("did not run to its end: ") + process.errorString();
        return QString::fromUtf8(process.readAllStandardError());
    }

    // The recorded starts of one stand-in program, in order.
    QList<QJsonObject> starts(const QString &program) const
    {
        QList<QJsonObject> found;
        QFile log(m_machine->path(QStringLiteral("peers.log")));
        if (!log.open(QIODevice::ReadOnly))
            return found;
        while (!log.atEnd()) {
            const QJsonObject start = QJsonDocument::fromJson(log.readLine()).object();
            if (start.value(QLatin1String("program")).toString() == program)
                found.append(start);
        }
        return found;
    }

    std::unique_ptr<SandboxMachine> m_machine;
};

QTEST_GUILESS_MAIN(TestShortCut)
#include "tst_shortcut.moc"
