#pragma once

#include <QStringList>

class Scenario;

// A role plays one external program. It gets the program's arguments and its
// scenario, and returns the process's exit code.
using Role = int (*)(const QStringList &arguments, const Scenario &scenario);

// Starts the program of its "launch" setting and waits for it to end (unless it is
// started detached), then sends the scenario's "messages" to its "pipe" ("intervalMs"
// apart), stays alive for "runMs", and exits with "exitCode". The behaviour of every
// program without a role of its own.
int runScripted(const QStringList &arguments, const Scenario &scenario);

// The updater, "Updater.exe": downloads and installs packages as its command line asks,
// reporting over the pipe that it names.
int runUpdater(const QStringList &arguments, const Scenario &scenario);

// The hardware guide program: reports "DONE" to the pipe given as "DONE:<pipe>".
int runGuide(const QStringList &arguments, const Scenario &scenario);

// The .NET Framework web installer, "NDP46-KB3045560-Web.exe": stays alive for "runMs"
// and exits with "exitCode"; on 0 it leaves the installed framework's "Release" value.
int runDotNetInstaller(const QStringList &arguments, const Scenario &scenario);

// Sends messages to pipe as the scripted role does, with the scenario's timing and
// exit code.
int runScript(const QString &pipe, const QStringList &messages, const Scenario &scenario);

// The registry reader, "GetReg.exe <hive> <key> <value name>": exits with the value as a
// number, -1 when it cannot be read as one, and prints that number as a line.
int runGetReg(const QStringList &arguments, const Scenario &scenario);

// The headset firmware update kit, "FirmwareUpdateKit.exe": stays alive for "runMs" and
// exits with the code that "exitCodes" gives for its arguments (joined with spaces), or
// with "exitCode"; started outside its own folder it exits with 3.
int runFirmwareKit(const QStringList &arguments, const Scenario &scenario);

// The headset driver uninstall tools, every "uninstallWin*" program: take no arguments,
// stay alive for "runMs" (or until killed with "hang"), exit with "exitCode" and, on 0,
// record their name in the sandbox's driver-removals.log.
int runDriverUninstall(const QStringList &arguments, const Scenario &scenario);

// The store app's installer, every "UpdaterInstallHelper*" program: stays alive for
// "runMs", leaves its result ("installHelper") in the registry, places the store app
// next to itself and registers its protocol handler, and exits with "exitCode".
int runInstallHelper(const QStringList &arguments, const Scenario &scenario);

// The updater service, "NovaUpdateService.exe": serves the update request pipe,
// answering "reply", until it is killed or "runMs" have passed.
int runUpdateService(const QStringList &arguments, const Scenario &scenario);

// The Steam client, "Steam.exe": hands over to a running client, or becomes the
// running one, signs in, installs SteamVR and signals its end, as its scenario times it.
int runSteam(const QStringList &arguments, const Scenario &scenario);

// The client's installer, "SteamNovaSetup.exe /S /LANGUAGE=<l> /D=<folder>": places the
// client in the folder and registers it.
int runSteamSetup(const QStringList &arguments, const Scenario &scenario);

// "ExitSteam.exe -CheckAndStopVRMonitor": ends the client and SteamVR's monitor.
int runExitSteam(const QStringList &arguments, const Scenario &scenario);

// The signal tool, "SendSignal.exe": "-register:<pipe>:" registers a pipe; without
// arguments it sends "Finished" to every registered pipe.
int runSendSignal(const QStringList &arguments, const Scenario &scenario);

// "SteamVRInit.exe": exits with 0 when SteamVR is installed and its client runs, else 1.
int runSteamVRInit(const QStringList &arguments, const Scenario &scenario);

// The account manager, "KeltAccountManager.exe": serves com.kelt.Identity on the session
// bus and answers each sign-in as the scenario's "answer" says, until it is killed or
// "runMs" have passed.
int runAccountManager(const QStringList &arguments, const Scenario &scenario);
