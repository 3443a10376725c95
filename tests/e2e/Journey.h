#pragma once

// What the journeys through the installed wizard share: the PC they start on, the
// stand-ins they place and read, and the keys they press.

#include "SandboxMachine.h"
#include "TestPc.h"
#include "WizardProcess.h"
#include "XKeyboard.h"

#include "platform/Registry.h"

#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QJsonArray>
#include <QJsonDocument>
#include <QJsonObject>
#include <QList>
#include <QStringList>
#include <QTest>

#include <algorithm>

inline constexpr int PageTimeoutMs = 30000;
inline const QString MainKey = QStringLiteral("HKEY_LOCAL_MACHINE\\Software\\KeltNova");
inline const QString ChecksDone = QStringLiteral("[PageManager] Should skip pDriver? true");
inline const QString HealthLoaded = QStringLiteral("[PageManager] Loaded pHealth.qml");
inline const QString FolderLoaded = QStringLiteral("[PageManager] Loaded pFolder.qml");
inline const QString ReleaseKey
    = QStringLiteral("HKEY_LOCAL_MACHINE\\SOFTWARE\\Microsoft\\NET Framework Setup\\NDP\\v4\\Full");
inline const QString Release = QStringLiteral("Release");
inline constexpr quint32 Release46 = 393295;

// A PC that passes every check: a supported processor, graphics card and driver,
// memory and Windows, an administrator, .NET Framework 4.6, and the compatibility
// list refused at once, so the installed list counts. changes replace profile keys.
inline void preparePassingPc(const SandboxMachine &machine, const QJsonObject &changes = {})
{
    QJsonObject profile { { QStringLiteral("nvidiaDriver"), QStringLiteral("551.23") },
        { QStringLiteral("administrator"), true }, { QStringLiteral("compatibilityListUrl"), TestPc::RefusedListUrl } };
    for (auto it = changes.begin(); it != changes.end(); ++it)
        profile.insert(it.key(), it.value());
    machine.writeProfile(TestPc::supportedPc(8, profile));
    platform::Registry::write(ReleaseKey, Release, Release46);
}

// Copies the stand-in program into folder below the wizard's program folder.
inline QString installIntoProgramFolder(
    const SandboxMachine &machine, const WizardProcess &wizard, const QString &folder, const QString &name)
{
    return machine.installPeer(
        QDir(machine.root()).relativeFilePath(wizard.programFolder() + QLatin1Char('/') + folder), name);
}

// The Steam client's tools where this wizard finds them; false when one cannot be placed.
inline bool installSteamClientTools(const SandboxMachine &machine, const WizardProcess &wizard)
{
    return machine.installSteamClientTools(QDir(machine.root()).relativeFilePath(wizard.programFolder()));
}

// Each start of a stand-in program as the sandbox's peers.log records it.
inline QList<QJsonObject> peerStartsOf(const SandboxMachine &machine, const QString &program)
{
    QFile log(machine.path(QStringLiteral("peers.log")));
    QList<QJsonObject> starts;
    if (!log.open(QIODevice::ReadOnly))
        return starts;
    while (!log.atEnd()) {
        const QJsonObject start = QJsonDocument::fromJson(log.readLine()).object();
        if (start.value(QLatin1String("program")).toString() == program)
            starts.append(start);
    }
    return starts;
}

// The arguments of each start of a stand-in program.
inline QList<QStringList> peerArguments(const SandboxMachine &machine, const QString &program)
{
    QList<QStringList> arguments;
    for (const QJsonObject &start : peerStartsOf(machine, program))
        arguments.append(start.value(QLatin1String("arguments")).toVariant().toStringList());
    return arguments;
}

// An earlier installation of the software with its guide, and Steam with SteamVR:
// what lets the folder page offer "SKIP INSTALLATION". The guide
// sends guideMessages to its reply pipe.
inline void installEarlierSoftware(
    const SandboxMachine &machine, const WizardProcess &wizard, const QStringList &guideMessages)
{
    machine.writeScenario({ { QStringLiteral("NovaTundraGuide.exe"),
        QJsonObject { { QStringLiteral("messages"), QJsonArray::fromStringList(guideMessages) } } } });
    const QString guide = machine.installPeer(
        QStringLiteral("opt/NOVA/Updater/App/NovaTundraGuide"), QStringLiteral("NovaTundraGuide.exe"));
    machine.installPeer(QStringLiteral("opt/NOVA/Updater"), QStringLiteral("Updater.exe"));
    machine.installPeer(QStringLiteral("opt/NOVA/Updater/App/OOBETool"), QStringLiteral("GetReg.exe"));
    installIntoProgramFolder(machine, wizard, QStringLiteral("Updater"), QStringLiteral("Updater.exe"));
    machine.installPeer(QStringLiteral("opt/Steam"), QStringLiteral("Steam.exe"));
    platform::Registry::write(MainKey, QStringLiteral("SystemPath"), machine.path(QStringLiteral("opt/NOVA")));
    platform::Registry::write(MainKey + QStringLiteral("\\Updater"), QStringLiteral("AppPath"),
        machine.path(QStringLiteral("opt/NOVA/Updater")));
    platform::Registry::write(
        MainKey + QStringLiteral("\\NovaEyeGuide"), QStringLiteral("AppPath"), QFileInfo(guide).absolutePath());
    platform::Registry::write(MainKey + QStringLiteral("\\NovaEyeGuide"), QStringLiteral("LaunchPath"), guide);
    platform::Registry::write(QStringLiteral("HKEY_LOCAL_MACHINE\\Software\\Valve\\Steam"),
        QStringLiteral("InstallPath"), machine.path(QStringLiteral("opt/Steam")));
    platform::Registry::write(
        QStringLiteral("HKEY_CURRENT_USER\\Software\\Valve\\Steam\\Apps\\250820"), QStringLiteral("Installed"), 1U);
}

// Whether one of the log lines starts with prefix.
inline bool hasLineStartingWith(const QStringList &lines, const QString &prefix)
{
    return std::any_of(lines.begin(), lines.end(), [&](const QString &line) { return line.startsWith(prefix); });
}

// The links of the terms (EULA, terms of use, privacy policy): Tab stops between the
// terms' tick box and GET STARTED.
inline constexpr int TermsLinks = 3;

// count presses of Tab, then key.
inline QStringList afterTabs(int count, const QString &key)
{
    QStringList keys;
    for (int i = 0; i < count; ++i)
        keys.append(QStringLiteral("Tab"));
    return keys << key;
}

// count presses of shift+Tab, then key.
inline QStringList afterBackTabs(int count, const QString &key)
{
    QStringList keys;
    for (int i = 0; i < count; ++i)
        keys.append(QStringLiteral("shift+Tab"));
    return keys << key;
}

// Presses the keys on the keyboard's display; a key that cannot be pressed fails the test.
inline void pressKeys(XKeyboard &keyboard, const QStringList &keys)
{
    QVERIFY2(keyboard.press(keys), qPrintable(keyboard.errorString()));
}

// Starts the wizard of the full mode on the keyboard's display and, once the PC check
// has ended, presses Return on the health page, which leads to the folder page.
inline void startOnHealthAndGoToFolder(WizardProcess &wizard, XKeyboard &keyboard)
{
    QVERIFY(wizard.install());
    QVERIFY2(wizard.startAndWaitForWindow(keyboard), qPrintable(keyboard.errorString()));
    QTRY_VERIFY_WITH_TIMEOUT(wizard.logLines().contains(ChecksDone), PageTimeoutMs);
    pressKeys(keyboard, { QStringLiteral("Return") });
    QTRY_VERIFY_WITH_TIMEOUT(wizard.logLines().contains(FolderLoaded), PageTimeoutMs);
}
