#pragma once

#include "SandboxMachine.h"

#include "install/UpdaterLauncher.h"
#include "install/flow/InstallManager.h"
#include "location/PathManager.h"

#include <QJsonObject>
#include <QList>
#include <QObject>
#include <QSignalSpy>
#include <QStringList>
#include <QVariant>

// The wizard's own folder inside the sandbox machine.
extern const QString InstallRunProgramFolder;

// The install page as the install manager sees it: its functions record their calls.
class InstallPage : public QObject {
    Q_OBJECT
    // The Steam sign-in prompt: 1 asks for the sign-in, 2 has it; every state is kept.
    Q_PROPERTY(int downlaodState READ downloadState WRITE setDownloadState)

public:
    explicit InstallPage(QObject *root);

    Q_INVOKABLE QVariant setProgress(const QVariant &value);
    Q_INVOKABLE QVariant startCruising(const QVariant &) { return {}; }
    Q_INVOKABLE QVariant stopCruising();
    Q_INVOKABLE QVariant complete();

    int downloadState() const { return downloadStates.value(downloadStates.size() - 1); }
    void setDownloadState(int state) { downloadStates.append(state); }

    QList<double> progress;
    QList<int> downloadStates;
    int stops = 0;
    int completions = 0;
};

// Sets the mode flags that the install manager reads.
void setInstallMode(bool isSWOA, bool isCN = false);

// An installation on a sandbox machine: the program folder with the stand-in updater,
// the path and install managers wired to the real launcher as the program wires them,
// and the folder already chosen. updaterSettings: the stand-in updater's scenario;
// otherPrograms: the scenario of the other stand-ins, by program name.
struct InstallRun {
    explicit InstallRun(const QJsonObject &updaterSettings, const QJsonObject &otherPrograms = {});

    // Leaves the store app's protocol handler, as its installer does.
    void registerStoreApp() const;
    // What a CN installation with standalone SteamVR meets on the way to its end: the
    // firmware check run (it failed, which holds nothing up), the store app installed
    // and the drivers' check tool beside the wizard; false when it cannot be placed.
    bool prepareStandaloneSteamVR() const;

    // The Steam client's tools where the wizard finds them, its firmware check run, and
    // the drivers' check tool; false when they cannot be placed.
    bool prepareSteamClient() const;

    // The updater's runs so far, by the pipe each reported on.
    QStringList pipes() const;

    SandboxMachine machine;
    QObject root;
    InstallPage *page;
    UpdaterLauncher launcher { false };
    PathManager paths;
    InstallManager installs;
    QSignalSpy dialogs;
    bool ready = false;
};

// The updater's scenario with settings for one of its jobs.
QJsonObject updaterJob(const QString &name, const QJsonObject &settings);
