#pragma once

#include <QString>
#include <QStringList>

// What the Steam client's stand-ins share: the client's own per-user registry values,
// which its tools and the wizard read, and the pipes registered with its signal tool.

// The running client: "pid" (its process id, 0 once it has closed) and "ActiveUser"
// (the signed-in user's id, 0 before the sign-in).
extern const QString SteamActiveProcessKey;
extern const QString SteamVRAppId;
// The app that is installed along with SteamVR.
extern const QString SteamCommonAppId;

// The key of an app of the client's library, with "Installed" and "Updating".
QString steamAppKey(const QString &appId);
// The process id that the registry names as the running client; 0 when none.
qint64 registeredSteamPid();
bool isSteamVRInstalled();
// Whether a process named Steam.exe runs on this machine, other than this one; only
// the one that the registry names when onlyRegistered is set.
bool steamRuns(bool onlyRegistered = false);

// The signal tool ("SendSignal.exe") keeps its registrations below a key of the
// stand-ins' own: "Program" = the tool that registered last, and one value per
// registered pipe, named by the pipe's short name, in the sub-key "Pipes".
bool registerSignalPipe(const QString &pipe, const QString &program);
QStringList registeredSignalPipes();
QString registeredSignalProgram();
