#pragma once

#include "core/WorkerThread.h"

#include <QObject>
#include <QString>

class BIService;
class PathManager;

// Drives the installation: fixes where the software and Steam go once the folder page
// has been answered, and runs the install steps through the updater. Lives on the
// user-interface thread; what blocks runs on its worker thread (InstallWorker).
class InstallManager : public QObject {
    Q_OBJECT

public:
    InstallManager(QObject *root, BIService *biService, PathManager *pathManager, const QString &productName,
        QObject *parent = nullptr);
    ~InstallManager() override;

    // Run by the worker on its thread.
    void checkPathImpl();

    QString installLocation() const { return m_installLocation; }
    QString installFolderName() const { return m_installFolderName; }
    QString steamFolder() const { return m_steamFolder; }
    bool needUninstall() const { return m_needUninstall; }

signals:
    // Finds earlier installations and starts the size checks, on the worker thread.
    void checkPath();
    void showDialog(const QString &dialogId);

public slots:
    // The folder page is up, or the sizes have become known while it is.
    void loadedPFolder();
    // The folder page's answer: loc and folderName of the software in software-only
    // mode, of Steam otherwise.
    void decidePath(const QString &loc, const QString &folderName);

private:
    QObject *const m_root;
    BIService *const m_biService;
    PathManager *const m_pathManager;
    const QString m_productName;
    QString m_installLocation;
    QString m_installFolderName;
    QString m_steamFolder;
    bool m_needUninstall = false;
    WorkerThread m_workerThread { "[InstallManager]" };
};
