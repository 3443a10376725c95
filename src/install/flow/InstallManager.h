#pragma once

#include "core/WorkerThread.h"
#include "install/SpeedEstimate.h"
#include "install/flow/InstallSteps.h"

#include <QHash>
#include <QObject>
#include <QProcess>
#include <QString>
#include <QTimer>

#include <atomic>
#include <functional>
#include <memory>

class BIService;
class InstallWorker;
class NovaportLauncher;
class PathManager;
class TimeTeller;

// Drives the installation: fixes where the software and Steam go once the folder page
// has been answered, prepares the machine and runs the install steps one after another
// through the updater, reports progress to the install page (and to the guide once it
// runs) and raises each failure as a dialog id. Lives on the user-interface thread;
// what blocks runs on its worker thread (InstallWorker).
class InstallManager : public QObject {
    Q_OBJECT

public:
    // The pipe on which the guide takes the background installation's reports.
    static const QString BgiPipe;

    InstallManager(QObject *root, BIService *biService, PathManager *pathManager, const QString &productName,
        const QString &programFolder, QObject *parent = nullptr);
    ~InstallManager() override;

    // Run by the worker on its thread.
    void checkPathImpl();
    void initInstallImpl();
    void installUpdaterImpl();
    void installHidRomCUImpl();
    void installSteamImpl();
    // Registers the VR drivers, trying once a second, then ends the installation.
    void finishInstallImpl();
    // Waits, polling, until no uninstaller runs; false when the program closes first.
    bool checkUninstallImpl() const;
    // Registers the VR driver and asks the updater service to register the VR apps.
    void regOpenVRDriverImpl() const;

    // The preloaded content's installer, below the program folder; empty (with the
    // missing part logged) when some of the content is not there.
    static QString preloadInstaller(const QString &programFolder);
    // Where an earlier installation's uninstaller lies, below its folder.
    static QString uninstallerOf(const QString &installFolder);

    QString installLocation() const { return m_installLocation; }
    QString installFolderName() const { return m_installFolderName; }
    QString steamFolder() const { return m_steamFolder; }
    // Where the Steam name of the user's language comes from, for Steam's set-up.
    void setSteamLanguageSource(std::function<QString()> source) { m_steamLanguageSource = std::move(source); }
    bool needUninstall() const { return m_flags.needUninstall; }
    // The updater copy in the install folder, once prepared (backslash separated).
    QString updaterFolder() const { return m_updaterFolder; }
    const InstallFlags &flags() const { return m_flags; }

signals:
    void initInstall();
    void installUpdater();
    void installHidRomCU();
    void installSteam();
    // Finds earlier installations and starts the size checks, on the worker thread.
    void checkPath();
    void showDialog(const QString &dialogId);
    // Answered by the receiver: whether the guide was started.
    bool startGuide(const QString &bgiPipeName);
    void prepareToQuit(const QString &strReason);
    // Each asks the launcher to start proc as that step's updater; connected directly.
    void updaterInstallUpdater(QProcess *proc, const QString &updaterDirPath, const QString &pipeName);
    void updaterInstallHidRomCU(QProcess *proc, const QString &updaterDirPath, const QString &pipeName);
    void updaterInstallGuide(QProcess *proc, const QString &updaterDirPath, const QString &pipeName);
    void updaterInstallNovaSw(QProcess *proc, const QString &updaterDirPath, const QString &pipeName);
    void updaterInstallSASteamVR(QProcess *proc, const QString &updaterDirPath, const QString &pipeName);
    // The earlier installation's uninstaller has handed over: wait for its remover.
    void checkUninstall();
    void checkMD5();
    // Asks the worker to register the VR driver.
    void regOpenVRDriverRequested();
    // Every part is installed: the drivers are registered on the worker thread.
    void finishInstall();

public slots:
    // The folder page is up, or the sizes have become known while it is.
    void loadedPFolder();
    // The folder page's answer: loc and folderName of the software in software-only
    // mode, of Steam otherwise.
    void decidePath(const QString &loc, const QString &folderName);
    void startInstall();
    // Ends every updater that the installation may have left running.
    void killUpdaterProc();
    void onReturnTryAgain(const QString &dialogID);
    void onGuideStarted();
    void onAutoRetry();
    void onInstallUpdaterError();
    void onInstallUpdaterFinished();
    void onInstallHidRomCUError();
    void onInstallHidRomCUFinished();
    void onInstallGuideError();
    void onInstallGuideFinished();
    void onInstallNovaError();
    void onInstallNovaFinished();
    void onInstallSteamError(const QString &errorId);
    void onInstallSteamVRError();
    void onInstallSteamFinished();
    // Steam waits for its user to sign in; the install page asks for it.
    void onWaitSteamLogin();
    // Steam's user has signed in: SteamVR installs on, and the guide takes over.
    void onSteamSigned();
    void onInstallNovaportError();
    void onInstallNovaportFinished();
    void onCheckUninstallFinished();
    void onUninstallError(QProcess::ProcessError error);
    void onUninstallFinished(int exitCode, QProcess::ExitStatus exitStatus);
    void onCopyPreloadError(QProcess::ProcessError error);
    void onCopyPreloadFinished(int exitCode, QProcess::ExitStatus exitStatus);
    void onRegOpenVRDriver();
    // Every 10 s: the minutes left, on the install page or to the guide.
    void calcEstTime();
    void showInstallInfo(const QString &packageName, const QString &packageNameTr, double curSize, double totalSize,
        double speed, bool isForSteamVR, bool shouldHideDownload);

private:
    // One updater run of a step: what it installs, where it reports and where its
    // outcome goes.
    struct StepRun {
        const char *logLine;
        QString pipeName;
        QString packageName;
        QString displayName;
        double cruiseTarget;
        bool isSelfUpdate;
        bool isForSteamVR;
        QLatin1String tellerName;
        void (InstallManager::*launch)(QProcess *, const QString &, const QString &);
        void (InstallManager::*finished)();
        void (InstallManager::*error)();
    };

    void doInstall();
    // Removes the earlier installation before this one.
    void uninstallPrevious();
    void afterUninstaller();
    // Copies the preloaded content beside the software's own installation.
    void copyPreload();
    void endPreload(bool copied);
    void launchStep(const StepRun &step);
    void installGuide();
    void installNovaSw();
    void stepFinished(double progress, bool isForSteamVR = false);
    // An automatic retry of standalone SteamVR: its step is started anew.
    void onSteamVRAutoRetry();
    // Waits, on the worker thread, until the headset firmware check has run; false when
    // the program closes first.
    bool waitForFirmwareCheck() const;
    // The Steam client's part of the Steam step, on the worker thread: Steam closed, its
    // set-up when it is missing, then Steam asked to install SteamVR and watched.
    void installSteamClient();
    // Closes Steam and SteamVR; false when either still runs.
    bool closeSteam() const;
    // Copies the preloaded SteamVR into Steam unless Steam has one.
    void copyPreloadSteamVR() const;
    bool setUpSteam() const;
    // Has Steam's signal tool report the end of SteamVR's installation on the Steam pipe.
    bool registerSteamSignal() const;
    // Starts Steam with its installer request and the watch on it.
    void triggerSteam();
    // A failure of the Steam step, raised from the worker thread.
    void steamStepFailed(const QString &dialogId);
    // Adds the VR drivers to SteamVR's paths and checks they are there.
    bool registerDrivers() const;
    void onDriversRegistered();
    void checkParallelStatus();
    // The foreground part is over: the install page completes and the guide takes over.
    void endForeground();
    // The window steps back for the guide, which shows the rest of the installation.
    void startBackgroundMode();
    void raiseError(const QString &dialogId);
    void sendToGuide(const QString &message);
    // The software's name on the install page.
    QString softwareDisplayName() const;
    // The preparation's steps; false (with the error raised) at the first failure.
    bool prepare();
    // Takes the preparation's findings on this object's thread and goes on.
    void onPrepared(const QString &updaterFolder, const QString &preloadInstaller);
    QString installFolder() const;
    // The install page's calls, from any thread. Each is queued to the window's thread and
    // finds the page there, since only that thread may walk the window's object tree.
    void withPage(std::function<void(QObject *)> apply) const;
    void callPage(const char *function) const;
    void callPage(const char *function, double value) const;
    void setPageProperty(const char *name, const QVariant &value) const;
    // Creates the steps' tellers once per run and starts the periodic estimate.
    void initTellers();
    // The teller's estimate in seconds; 0 for a teller this run does not have.
    qint64 secondsLeft(QLatin1String tellerName);

    QObject *const m_root;
    BIService *const m_biService;
    PathManager *const m_pathManager;
    const QString m_productName;
    const QString m_programFolder;
    QString m_installLocation;
    QString m_installFolderName;
    QString m_steamFolder;
    // Steam's name of the chosen language, taken as the installation starts.
    QString m_steamLanguage;
    std::function<QString()> m_steamLanguageSource;
    QString m_updaterFolder;
    QString m_preloadInstaller;
    QString m_lastErrorId;
    InstallFlags m_flags;
    // The drivers are being registered; the installation ends once they are.
    bool m_finishing = false;
    int m_guideProgress = 50;
    // Launches of the current step so far; launches happen on either thread.
    struct Attempts {
        std::atomic<int> update { 0 };
        std::atomic<int> download { 0 };
    };
    // The steps in turn and the software, then standalone SteamVR, which runs beside
    // the software and so counts apart.
    Attempts m_attempts;
    Attempts m_steamVRAttempts;
    SpeedEstimate m_speed;
    QHash<QString, TimeTeller *> m_tellers;
    // Created when the store app is first waited for.
    std::unique_ptr<NovaportLauncher> m_storeApp;
    QTimer m_estimateTimer;
    InstallWorker *m_worker = nullptr;
    WorkerThread m_workerThread { "[InstallManager]" };
};
