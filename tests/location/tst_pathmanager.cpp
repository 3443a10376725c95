#include "LogCapture.h"
#include "SandboxMachine.h"

#include "core/ModeFlags.h"
#include "core/Utils.h"
#include "install/UpdaterLauncher.h"
#include "install/flow/InstallManager.h"
#include "location/PathManager.h"
#include "platform/Folders.h"
#include "platform/Registry.h"

#include <QApplication>
#include <QDir>
#include <QFile>
#include <QFileDialog>
#include <QJsonArray>
#include <QJsonObject>
#include <QSignalSpy>
#include <QTest>
#include <QThread>
#include <QTimer>

#include <memory>

namespace {

const QString ProgramFolder = QStringLiteral("opt/NovaTundraSetup");
const QString MainKey = QStringLiteral("HKEY_LOCAL_MACHINE\\Software\\KeltNova");
const QString SkipLine = QStringLiteral("[PathManager] decideSkipInstall(): Can skip install? ");
const QString StopLine
    = QStringLiteral("[PathManager] ERROR: Blank installation size check failed 3 times in a row, stop checking");
constexpr qint64 Download = 1000;
constexpr int AnswerTimeoutMs = 20000;

QString stored(const QString &path)
{
    return Utils::withBackslashes(path);
}

bool touch(const QString &path)
{
    QDir().mkpath(QFileInfo(path).absolutePath());
    QFile file(path);
    return file.open(QIODevice::WriteOnly);
}

// The folder page as the managers see it: its functions record their calls.
class FolderPage : public QObject {
    Q_OBJECT

public:
    explicit FolderPage(QObject *root)
        : QObject(root)
    {
        setObjectName(QStringLiteral("pFolder"));
    }

    Q_INVOKABLE QVariant setSizeInfo(const QVariant &required, const QVariant &noRoom)
    {
        sizes.append({ required.toLongLong(), noRoom.toBool() });
        return {};
    }
    Q_INVOKABLE QVariant returnSelectedPath(const QVariant &location, const QVariant &folderName)
    {
        returned.append({ location.toString(), folderName.toString() });
        return {};
    }

    QList<QPair<qint64, bool>> sizes;
    QList<QStringList> returned;

signals:
    void selectPath(const QString &initPath);
    void decidePath(const QString &loc, const QString &folderName);
};

// A sandbox machine with the program's own stand-in updater, and what earlier
// installations may have left on it.
struct Machine {
    Machine()
    {
        updaterInstalled
            = !machine.installPeer(ProgramFolder + QStringLiteral("/Updater"), QStringLiteral("Updater.exe")).isEmpty();
    }

    QString earlierSoftware() const { return machine.path(QStringLiteral("opt/NOVA")); }

    void installSoftware(bool withGuide) const
    {
        machine.installPeer(QStringLiteral("opt/NOVA/Updater"), QStringLiteral("Updater.exe"));
        platform::Registry::write(MainKey, QStringLiteral("SystemPath"), earlierSoftware());
        platform::Registry::write(MainKey + QStringLiteral("\\Updater"), QStringLiteral("AppPath"),
            QString(earlierSoftware() + QStringLiteral("/Updater")));
        if (withGuide)
            touch(earlierSoftware() + QStringLiteral("/Updater/App/NovaTundraGuide/NovaTundraGuide.exe"));
    }

    // Steam, and SteamVR in it as the registry helper reports it.
    void installSteam(bool withSteamVR) const
    {
        touch(machine.path(QStringLiteral("opt/Steam/Steam.exe")));
        platform::Registry::write(QStringLiteral("HKEY_LOCAL_MACHINE\\Software\\Valve\\Steam"),
            QStringLiteral("InstallPath"), machine.path(QStringLiteral("opt/Steam")));
        machine.installPeer(QStringLiteral("opt/NOVA/Updater/App/OOBETool"), QStringLiteral("GetReg.exe"));
        if (withSteamVR)
            platform::Registry::write(QStringLiteral("HKEY_CURRENT_USER\\Software\\Valve\\Steam\\Apps\\250820"),
                QStringLiteral("Installed"), 1U);
    }

    QString vrPathsFile() const
    {
        return platform::Folders::localAppData() + QStringLiteral("/openvr/openvrpaths.vrpath");
    }

    SandboxMachine machine;
    bool updaterInstalled = false;
};

// The path manager wired to the real launcher and a folder page, as the program wires them.
struct PathRun {
    explicit PathRun(const Machine &on, bool isCN = false)
        : page(new FolderPage(&root))
        , paths(&root, nullptr, isCN, on.machine.path(ProgramFolder))
    {
        QObject::connect(
            &paths, &PathManager::updaterCheckSize, &launcher, &UpdaterLauncher::checkSize, Qt::DirectConnection);
    }

    QObject root;
    FolderPage *page;
    UpdaterLauncher launcher { false };
    PathManager paths;
};

void setMode(bool isSWOA, bool isCN)
{
    ModeFlags flags;
    flags.isSWOA = isSWOA;
    flags.isCN = isCN;
    Mode::set(flags);
}

QJsonObject sizeScenario(const QJsonObject &checkSize)
{
    return { { QStringLiteral("Updater.exe"),
        QJsonObject { { QStringLiteral("tasks"), QJsonObject { { QStringLiteral("checkSize"), checkSize } } } } } };
}

int sizeChecks(const SandboxMachine &machine, const QString &pipe)
{
    return machine.peerStarts().filter(QStringLiteral("-NP:") + pipe).size();
}

} // namespace

class tst_PathManager : public QObject {
    Q_OBJECT

private slots:
    void init() { setMode(false, false); }
    void cleanupTestCase() { setMode(false, false); }

    void pureRules_data()
    {
        QTest::addColumn<QString>("path");
        QTest::addColumn<QString>("location");
        QTest::addColumn<QString>("folderName");
        QTest::addColumn<int>("badAt");
        QTest::newRow("folder") << QStringLiteral("C:/Program Files/NOVA") << QStringLiteral("C:\\Program Files")
                                << QStringLiteral("NOVA") << -1;
        QTest::newRow("no separator") << QStringLiteral("NOVA") << QStringLiteral("NOVA") << QString() << -1;
        QTest::newRow("tilde is the last plain character")
            << QStringLiteral("D:\\~x") << QStringLiteral("D:") << QStringLiteral("~x") << -1;
        QTest::newRow("delete") << QStringLiteral("D:\\a\x7f") << QStringLiteral("D:") << QStringLiteral("a\x7f") << 4;
        QTest::newRow("accent") << QStringLiteral("D:\\Caf\u00e9") << QStringLiteral("D:")
                                << QStringLiteral("Caf\u00e9") << 6;
        QTest::newRow("CJK") << QStringLiteral("D:\\\u6e38\u620f") << QStringLiteral("D:")
                             << QStringLiteral("\u6e38\u620f") << 3;
        QTest::newRow("tab") << QStringLiteral("D:\\a\tb") << QStringLiteral("D:") << QStringLiteral("a\tb") << 4;
    }

    // Splitting an earlier installation's path and the plain-character rule of
    // chosen folders.
    void pureRules()
    {
        QFETCH(QString, path);
        QFETCH(QString, location);
        QFETCH(QString, folderName);
        QFETCH(int, badAt);
        const QPair<QString, QString> split = PathManager::splitPath(path);
        QCOMPARE(split.first, location);
        QCOMPARE(split.second, folderName);
        QCOMPARE(PathManager::firstBadCharacter(path), badAt);
    }

    void detectsEarlierInstallations_data()
    {
        QTest::addColumn<bool>("isCN");
        QTest::addColumn<QString>("installed"); // letters: s software, g guide, t Steam, v SteamVR, a standalone
        QTest::addColumn<QStringList>("lines");
        QTest::addColumn<QString>("skip");
        QTest::addColumn<qint64>("steamExtra");
        QTest::addColumn<bool>("pathsFileKept");
        const QString none = QStringLiteral("[PathManager] No NOVA installed before");
        const QString noSteam = QStringLiteral("[PathManager] No Steam installed before");
        const QString noSteamVR = QStringLiteral("[PathManager] No SteamVR installed before");
        const QString noStandalone = QStringLiteral("[PathManager] No standalone SteamVR installed before");
        const QString noneAtAll = QStringLiteral("[PathManager] No steamvr installed.");
        const QString standalone = QStringLiteral("[PathManager] Should use standalone SteamVR");
        const QString blank = QStringLiteral("[PathManager] Check download size for blank NOVA installation");
        const QString existing = QStringLiteral("[PathManager] Check download size for existing NOVA software");
        const QString found = QStringLiteral("[PathManager] Found NOVA in: ");
        const QString parsed = QStringLiteral("[PathManager] Parsed location: ");
        const qint64 gib = qint64(1) << 30;
        QTest::newRow("nothing") << false << QString()
                                 << QStringList { none, noSteam, noSteamVR, noStandalone, noneAtAll, blank }
                                 << QStringLiteral("[0] [0, 0, 0, 0, 0, 0]") << 3 * gib << false;
        QTest::newRow("software only") << false << QStringLiteral("s")
                                       << QStringList { found, parsed,
                                              QStringLiteral("[PathManager] Guide file doesn't exist"), noSteam,
                                              noSteamVR, existing, blank }
                                       << QStringLiteral("[0] [1, 0, 0, 0, 0, 0]") << 3 * gib << false;
        QTest::newRow("software, guide, Steam and SteamVR")
            << false << QStringLiteral("sgtv")
            << QStringList { found, parsed, QStringLiteral("[PathManager] Found Guide in: "),
                   QStringLiteral("[PathManager] Found Steam in: "),
                   QStringLiteral("[PathManager] Found SteamVR installed"), noStandalone, existing, blank }
            << QStringLiteral("[1] [1, 1, 0, 1, 1, 0]") << qint64(0) << true;
        QTest::newRow("Steam without SteamVR")
            << false << QStringLiteral("sgt")
            << QStringList { QStringLiteral("[PathManager] Found Steam in: "), noSteamVR, noneAtAll }
            << QStringLiteral("[0] [1, 1, 0, 1, 0, 0]") << 2 * gib << false;
        QTest::newRow("standalone SteamVR, CN")
            << true << QStringLiteral("sga")
            << QStringList { noSteam, standalone, noSteamVR,
                   QStringLiteral("[PathManager] Found standalone SteamVR installed before") }
            << QStringLiteral("[1] [1, 1, 1, 0, 0, 1]") << qint64(0) << true;
        QTest::newRow("CN without Steam")
            << true << QString() << QStringList { none, noSteam, standalone, noSteamVR, noStandalone, noneAtAll }
            << QStringLiteral("[0] [0, 0, 1, 0, 0, 0]") << qint64(0) << false;
    }

    // The findings in their order and log lines, which size checks they start, the
    // Steam share of the estimate and the skip decision.
    void detectsEarlierInstallations()
    {
        QFETCH(bool, isCN);
        QFETCH(QString, installed);
        QFETCH(QStringList, lines);
        QFETCH(QString, skip);
        QFETCH(qint64, steamExtra);
        QFETCH(bool, pathsFileKept);
        setMode(false, isCN);
        Machine on;
        QVERIFY(on.updaterInstalled);
        on.machine.writeScenario(sizeScenario({ { QStringLiteral("totalSize"), Download } }));
        if (installed.contains(QLatin1Char('s')))
            on.installSoftware(installed.contains(QLatin1Char('g')));
        if (installed.contains(QLatin1Char('t')))
            on.installSteam(installed.contains(QLatin1Char('v')));
        if (installed.contains(QLatin1Char('a')))
            platform::Registry::write(MainKey, QStringLiteral("StandaloneSteamVRInstalled"), 1U);
        QVERIFY(touch(on.vrPathsFile()));

        LogCapture log;
        PathRun run(on, isCN);
        run.paths.checkPath();
        QTRY_VERIFY_WITH_TIMEOUT(!log.startingWith(SkipLine).isEmpty(), AnswerTimeoutMs);
        QCOMPARE(log.startingWith(SkipLine), QStringList { SkipLine + skip });
        QCOMPARE(run.paths.sizeCheckStatus(), int(PathManager::SizesKnown));
        QCOMPARE(run.page->property("canSkipInstall").toBool(), skip.startsWith(QLatin1String("[1]")));

        QStringList prefixes;
        for (const QString &line : log.startingWith(QStringLiteral("[PathManager]"))) {
            const auto it
                = std::find_if(lines.begin(), lines.end(), [&](const QString &l) { return line.startsWith(l); });
            if (it != lines.end() && (prefixes.isEmpty() || prefixes.last() != *it))
                prefixes.append(*it);
        }
        QCOMPARE(prefixes, lines);
        QCOMPARE(sizeChecks(on.machine, QStringLiteral("check_exist_dl_pipe")), installed.contains(QLatin1Char('s')));
        QCOMPARE(sizeChecks(on.machine, QStringLiteral("check_blank_dl_pipe")), 1);
        if (installed.contains(QLatin1Char('s'))) {
            QCOMPARE(run.paths.prevNovaLocation(), stored(on.machine.path(QStringLiteral("opt"))));
            QCOMPARE(run.paths.prevNovaFolderName(), QStringLiteral("NOVA"));
        }
        QCOMPARE(QFile::exists(on.vrPathsFile()), pathsFileKept);

        run.paths.showPrevPathSizeInfo();
        QVERIFY(log.contains(QStringLiteral("[PathManager] Require: %1 Bytes (NOVA:%2, Steam:%3)")
                                 .arg(5 * Download + steamExtra)
                                 .arg(5 * Download)
                                 .arg(steamExtra)));
    }

    void sizeAnswers_data()
    {
        QTest::addColumn<QJsonObject>("checkSize");
        QTest::addColumn<qint64>("bytes"); // -1: no answer
        QTest::addColumn<int>("starts");
        QTest::newRow("zero") << QJsonObject { { QStringLiteral("totalSize"), 0 } } << qint64(0) << 1;
        QTest::newRow("not a number counts as zero")
            << QJsonObject { { QStringLiteral("totalSize"), QStringLiteral("many") } } << qint64(0) << 1;
        QTest::newRow("negative: three tries, then no more")
            << QJsonObject { { QStringLiteral("totalSize"), -5 } } << qint64(-1) << 3;
        QTest::newRow("crash: three tries")
            << QJsonObject { { QStringLiteral("fault"), QStringLiteral("crash") } } << qint64(-1) << 3;
        QTest::newRow("failures, then an answer") << QJsonObject { { QStringLiteral("totalSize"), Download },
            { QStringLiteral("attempts"),
                QJsonArray { QJsonObject { { QStringLiteral("fault"), QStringLiteral("crash") } },
                    QJsonObject { { QStringLiteral("totalSize"), -1 } }, QJsonObject {} } } }
                                                  << Download << 3;
        QTest::newRow("normal end without an answer")
            << QJsonObject { { QStringLiteral("fault"), QStringLiteral("silent") } } << qint64(-1) << 1;
    }

    // The updater's answers to the blank size query, and the bounded retry of a
    // failed one: the status stays "checking" until a size is known.
    void sizeAnswers()
    {
        QFETCH(QJsonObject, checkSize);
        QFETCH(qint64, bytes);
        QFETCH(int, starts);
        Machine on;
        on.machine.writeScenario(sizeScenario(checkSize));
        LogCapture log;
        PathRun run(on);
        run.paths.checkPath();
        const QString normalEnd = QStringLiteral("[SizeParser] Updater process normal exit");
        QTRY_VERIFY_WITH_TIMEOUT(
            !log.startingWith(SkipLine).isEmpty() || log.contains(StopLine) || log.contains(normalEnd),
            AnswerTimeoutMs);
        QTest::qWait(300); // a further start would come at once
        QCOMPARE(sizeChecks(on.machine, QStringLiteral("check_blank_dl_pipe")), starts);
        if (bytes >= 0) {
            QVERIFY(log.contains(
                QStringLiteral("[PathManager] Blank NOVA installation requires %1 Bytes download").arg(bytes)));
            QCOMPARE(run.paths.sizeCheckStatus(), int(PathManager::SizesKnown));
        } else {
            QCOMPARE(run.paths.sizeCheckStatus(), int(PathManager::Checking));
            QCOMPARE(log.contains(StopLine), starts == PathManager::BlankCheckTries);
            QVERIFY(log.startingWith(SkipLine).isEmpty());
        }
    }

    // A failed check of the earlier installation falls back to the blank check,
    // whose figure then counts for both.
    void failedExistingCheckUsesTheBlankFigure()
    {
        Machine on;
        on.installSoftware(true);
        on.machine.writeScenario(sizeScenario({ { QStringLiteral("totalSize"), Download },
            { QStringLiteral("attempts"),
                QJsonArray {
                    QJsonObject { { QStringLiteral("fault"), QStringLiteral("crash") } }, QJsonObject {} } } }));
        LogCapture log;
        PathRun run(on);
        run.paths.checkPath();
        QTRY_VERIFY_WITH_TIMEOUT(!log.startingWith(SkipLine).isEmpty(), AnswerTimeoutMs);
        QVERIFY(log.contains(QStringLiteral("[PathManager] ERROR: Checking download size meets error")));
        run.paths.showPrevPathSizeInfo();
        QVERIFY(log.contains(QStringLiteral("[PathManager] Calculate required space for [%1, NOVA]")
                                 .arg(stored(on.machine.path(QStringLiteral("opt"))))));
        QVERIFY(
            log.startingWith(QStringLiteral("[PathManager] Require: ")).last().contains(QLatin1String("(NOVA:5000,")));
    }

    void freeSpace_data()
    {
        QTest::addColumn<double>("freeBytes");
        QTest::addColumn<bool>("noRoom");
        QTest::newRow("exactly enough") << double(PathManager::RequiredFreeBytes) << false;
        QTest::newRow("one byte short") << double(PathManager::RequiredFreeBytes - 1) << true;
        QTest::newRow("cannot be told") << -1.0 << true;
    }

    // The chosen volume's free space against the requirement, to the byte.
    void freeSpace()
    {
        QFETCH(double, freeBytes);
        QFETCH(bool, noRoom);
        Machine on;
        on.machine.writeProfile(
            { { QStringLiteral("freeBytes"), QJsonObject { { on.machine.path(QStringLiteral("opt")), freeBytes } } } });
        on.machine.writeScenario(sizeScenario({ { QStringLiteral("totalSize"), Download } }));
        LogCapture log;
        PathRun run(on);
        run.paths.checkPath();
        QTRY_COMPARE_WITH_TIMEOUT(run.paths.sizeCheckStatus(), int(PathManager::SizesKnown), AnswerTimeoutMs);
        run.paths.showPrevPathSizeInfo();
        QCOMPARE(run.page->sizes, (QList<QPair<qint64, bool>> { { PathManager::RequiredFreeBytes, noRoom } }));
        QCOMPARE(log.contains(QStringLiteral("[PathManager] WARNING: Cannot query available space")), freeBytes < 0);
    }

    void folderChooser_data()
    {
        QTest::addColumn<QString>("chosen"); // below the sandbox root; empty: cancelled
        QTest::addColumn<QString>("location"); // returned, below the sandbox root; empty: nothing
        QTest::newRow("the 64-bit program files: the default instead")
            << QStringLiteral("opt") << QStringLiteral("opt/x86");
        QTest::newRow("below the 64-bit program files") << QStringLiteral("opt/Games") << QStringLiteral("opt/Games");
        QTest::newRow("accented name") << QStringLiteral("opt/Caf\u00e9") << QString();
        QTest::newRow("CJK name") << QStringLiteral("opt/\u6e38\u620f") << QString();
        QTest::newRow("cancelled") << QString() << QString();
    }

    // Qt's folder dialog answered as a user would; the answer reaches the page, and a
    // folder with other than plain characters is refused with "FL001".
    void folderChooser()
    {
        QFETCH(QString, chosen);
        QFETCH(QString, location);
        setMode(false, false);
        Machine on;
        on.machine.writeProfile({ { QStringLiteral("environment"),
            QJsonObject { { QStringLiteral("PROGRAMFILES"), on.machine.path(QStringLiteral("opt/x86")) },
                { QStringLiteral("PROGRAMW6432"), on.machine.path(QStringLiteral("opt")) } } } });
        if (!chosen.isEmpty())
            QVERIFY(QDir().mkpath(on.machine.path(chosen)));
        LogCapture log;
        PathRun run(on);
        QSignalSpy dialogs(&run.paths, &PathManager::showDialog);
        QString title;
        QTimer::singleShot(
            0, [&] { answerFolderDialog(chosen.isEmpty() ? QString() : on.machine.path(chosen), &title); });
        run.paths.onSelectPath(stored(on.machine.path(QStringLiteral("opt/x86"))));

        QCOMPARE(title, QStringLiteral("Please choose a folder"));
        const QStringList returned = location.isEmpty()
            ? QStringList { QString(), QString() }
            : QStringList { stored(on.machine.path(location)), QStringLiteral("Steam") };
        QCOMPARE(run.page->returned, QList<QStringList> { returned });
        const bool refused = !chosen.isEmpty() && location.isEmpty();
        QCOMPARE(dialogs.count(), refused ? 1 : 0);
        if (refused)
            QCOMPARE(dialogs.at(0).at(0).toString(), QStringLiteral("FL001"));
        QCOMPARE(log.contains(QStringLiteral("[PathManager] User didn't select path")), chosen.isEmpty());
        QCOMPARE(log.contains(QStringLiteral("[PathManager] Selected path contains bad characters. Can't use it.")),
            refused);
    }

    // The install manager runs the detection on its worker thread once asked to, and
    // fills the folder page from the path manager's findings.
    void installManagerHandsThePageOver()
    {
        Machine on;
        on.installSoftware(true);
        on.machine.writeScenario(sizeScenario({ { QStringLiteral("totalSize"), Download } }));
        LogCapture log;
        PathRun run(on);
        InstallManager installs(
            &run.root, nullptr, &run.paths, QStringLiteral("NOVA Tundra"), on.machine.path(ProgramFolder));
        QObject::connect(&run.paths, &PathManager::showInstallPath, &installs, &InstallManager::loadedPFolder);
        emit installs.checkPath();
        QTRY_VERIFY_WITH_TIMEOUT(!log.startingWith(SkipLine).isEmpty(), AnswerTimeoutMs);
        QThread *detectedOn = log.threadOf(QStringLiteral("[PathManager] Found NOVA in: "));
        QVERIFY(detectedOn && detectedOn != QThread::currentThread());

        // The sizes arrived on the page's watch: it got the findings and its size.
        QCOMPARE(run.page->property("prevNovaLoc").toString(), stored(on.machine.path(QStringLiteral("opt"))));
        QCOMPARE(run.page->property("prevNovaFolderName").toString(), QStringLiteral("NOVA"));
        QCOMPARE(run.page->property("defaultNovaLoc").toString(), stored(on.machine.path(QStringLiteral("opt"))));
        QCOMPARE(run.page->property("defaultNovaFolderName").toString(), QStringLiteral("NOVA"));
        QCOMPARE(run.page->sizes.size(), 1);
        // Loaded again (the page manager's call), still one connection to the page.
        installs.loadedPFolder();
        emit run.page->decidePath(QStringLiteral("X:\\Other"), QStringLiteral("Steam"));
        QCOMPARE(log.count(QStringLiteral("[InstallManager] Decided to install NOVA to: [%1, NOVA]")
                               .arg(stored(on.machine.path(QStringLiteral("opt"))))),
            1);
        QCOMPARE(installs.steamFolder(), QStringLiteral("X:\\Other\\Steam"));
        QVERIFY(!installs.needUninstall());
    }

    void decidePath_data()
    {
        QTest::addColumn<bool>("isSWOA");
        QTest::addColumn<bool>("earlier");
        QTest::addColumn<QString>("chosen");
        QTest::addColumn<QString>("installTo"); // below the sandbox root
        QTest::addColumn<bool>("uninstall");
        QTest::newRow("software-only, the earlier folder")
            << true << true << QStringLiteral("opt\\NOVA") << QStringLiteral("opt\\NOVA") << false;
        QTest::newRow("software-only, another folder: move")
            << true << true << QStringLiteral("apps\\NOVA") << QStringLiteral("apps\\NOVA") << true;
        QTest::newRow("software-only, first installation")
            << true << false << QStringLiteral("apps\\NOVA") << QStringLiteral("apps\\NOVA") << false;
        QTest::newRow("full, earlier software stays")
            << false << true << QStringLiteral("games\\Steam") << QStringLiteral("opt\\NOVA") << false;
        QTest::newRow("full, first installation: program files")
            << false << false << QStringLiteral("games\\Steam") << QStringLiteral("opt\\NOVA") << false;
    }

    // Where the software goes for each answer of the folder page, and when the
    // earlier installation has to go first.
    void decidePath()
    {
        QFETCH(bool, isSWOA);
        QFETCH(bool, earlier);
        QFETCH(QString, chosen);
        QFETCH(QString, installTo);
        QFETCH(bool, uninstall);
        setMode(isSWOA, false);
        Machine on;
        if (earlier)
            on.installSoftware(true);
        on.machine.writeScenario(sizeScenario({ { QStringLiteral("totalSize"), Download } }));
        const QString root = stored(on.machine.root()) + QLatin1Char('\\');
        PathRun run(on);
        run.paths.checkPath();
        QTRY_COMPARE_WITH_TIMEOUT(run.paths.sizeCheckStatus(), int(PathManager::SizesKnown), AnswerTimeoutMs);
        InstallManager installs(
            &run.root, nullptr, &run.paths, QStringLiteral("NOVA Tundra"), on.machine.path(ProgramFolder));
        const QPair<QString, QString> answer = PathManager::splitPath(root + chosen);
        installs.decidePath(answer.first, answer.second);
        const QPair<QString, QString> expected = PathManager::splitPath(root + installTo);
        QCOMPARE(installs.installLocation(), expected.first);
        QCOMPARE(installs.installFolderName(), expected.second);
        QCOMPARE(installs.needUninstall(), uninstall);
        QCOMPARE(installs.steamFolder(), root + chosen);
    }

private:
    // Waits for the folder dialog, then picks folder in it (none: cancels).
    static void answerFolderDialog(const QString &folder, QString *title)
    {
        auto *dialog = qobject_cast<QFileDialog *>(QApplication::activeModalWidget());
        if (!dialog) {
            QTimer::singleShot(20, [folder, title] { answerFolderDialog(folder, title); });
            return;
        }
        *title = dialog->windowTitle();
        if (folder.isEmpty()) {
            dialog->reject();
            return;
        }
        dialog->setDirectory(folder);
        dialog->selectFile(folder);
        QMetaObject::invokeMethod(dialog, "accept");
    }
};

QTEST_MAIN(tst_PathManager)
#include "tst_pathmanager.moc"
