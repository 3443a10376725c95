#pragma once

#include <QObject>
#include <QProcess>
#include <QString>

class BIService;

// What an earlier installation left on the PC, and what this installation adds for
// Steam and SteamVR. Paths are backslash separated.
struct EarlierInstallations {
    QString prevNovaLocation; // parent folder of the earlier software installation
    QString prevNovaFolderName; // its last path element
    QString steamPath; // Steam's folder, when Steam.exe is in it
    bool guideExists = false;
    bool steamVRInSteam = false;
    bool standaloneSteamVR = false;
    bool shouldUseSASteamVR = false;
    qint64 steamExtraBytes = 0;
};

// Decides where the software goes and whether its installation may be skipped: finds
// earlier installations, asks the updater how much a blank installation and an update
// of the earlier one download, runs the folder chooser and checks the chosen folder and
// its free space for the folder page. Lives on the user-interface thread; checkPath()
// runs on the install manager's worker thread.
class PathManager : public QObject {
    Q_OBJECT

public:
    enum SizeCheckStatus { NotStarted = 0, Checking = 1, ExistingCheckFailed = 2, SizesKnown = 3 };

    // Below this many free bytes the chosen volume has no room; also the figure shown.
    static constexpr qint64 RequiredFreeBytes = 19434307584;
    static constexpr qint64 SteamClientBytes = qint64(1) << 30;
    static constexpr qint64 SteamVRBytes = qint64(2) << 30;
    // A failed blank check is tried again this many times in a row at most.
    static constexpr int BlankCheckTries = 3;

    // programFolder: the folder the program was installed in, with the updater of a
    // blank installation in its "Updater" folder.
    PathManager(
        QObject *root, BIService *biService, bool isCN, const QString &programFolder, QObject *parent = nullptr);
    ~PathManager() override;

    // The guide program below an installation's folder, by device name.
    static QString guideProgramTail(const QString &deviceName);
    // Splits a path at its last "\": the location before it and the folder name after
    // it; without one, the whole path and no name.
    static QPair<QString, QString> splitPath(const QString &path);
    // The first UTF-16 unit of path outside printable Basic Latin (32..126), or -1.
    static int firstBadCharacter(const QString &path);
    static bool decideCanSkip(const EarlierInstallations &found, bool isSWOA);

    // Finds earlier installations and starts the size checks; blocks on the registry,
    // files and a helper program, so it runs on a worker thread.
    void checkPath();
    void decideSkipInstall();
    void showPrevPathSizeInfo();

    QString defaultLocation() const { return m_defaultLocation; }
    QString prevNovaLocation() const { return m_found.prevNovaLocation; }
    QString prevNovaFolderName() const { return m_found.prevNovaFolderName; }
    QString steamPath() const { return m_found.steamPath; }
    int sizeCheckStatus() const { return m_sizeCheckStatus; }
    bool isSteamVRInstalled() const { return m_found.steamVRInSteam; }
    bool isStandaloneSteamVRInstalled() const { return m_found.standaloneSteamVR; }
    bool shouldUseStandaloneSteamVR() const { return m_found.shouldUseSASteamVR; }

signals:
    void showDialog(const QString &dialogId);
    // Starts proc as the size-querying updater; connected directly to the launcher.
    void updaterCheckSize(
        QProcess *proc, const QString &updaterDirPath, const QString &pipeName, bool shouldUseSASteamVR);
    void showInstallPath();

public slots:
    void onSelectPath(const QString &initPath);
    void onCheckExistDLSizeFinished(qint64 sizeBytes);
    void onCheckBlankDLSizeFinished(qint64 sizeBytes);
    void onCheckDLSizeError();
    bool onCanSkipInstall() const { return m_canSkipInstall; }

private:
    EarlierInstallations detect() const;
    // Takes the detection's findings on this object's thread and starts the size checks.
    void onDetected(const EarlierInstallations &found);
    void checkBlankSize();
    void checkExistingSize();
    void startSizeCheck(const QString &updaterDirPath, const QString &pipeName, void (PathManager::*finished)(qint64));
    void calcSizeInfo(const QString &location, const QString &folderName);
    QObject *folderPage() const;

    QObject *const m_root;
    BIService *const m_biService;
    const bool m_isCN;
    const QString m_programFolder;
    QString m_defaultLocation;
    QString m_programFiles64;
    EarlierInstallations m_found;
    bool m_canSkipInstall = false;
    qint64 m_blankDownloadBytes = -1;
    qint64 m_existingDownloadBytes = -1;
    int m_sizeCheckStatus = NotStarted;
    // Failed blank checks since the last answer.
    int m_blankCheckFailures = 0;
    bool m_checkingBlank = false;
};
