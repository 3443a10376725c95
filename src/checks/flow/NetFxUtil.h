#pragma once

#include "core/WorkerThread.h"

#include <QObject>
#include <QPointer>
#include <QString>

class CPageManager;

// Decides whether the PC has the .NET Framework the software needs (4.6 or later) and,
// when the user asks on the .NET page, runs its web installer on a thread of its own,
// turns the installer's exit code into the page's button state, and offers the restart.
// Its two questions (quit setup, leave for a driver download) go through the page
// manager's blocking dialog on a dialog thread. Lives on the user-interface thread.
class CNetFxUtil : public QObject {
    Q_OBJECT

public:
    // The lowest "Release" value of .NET Framework 4.6.
    static constexpr quint32 RequiredRelease = 393295;
    static const QString ReleaseKey;

    // programFolder holds the installer in its "dotNetFx" folder.
    CNetFxUtil(QObject *root, CPageManager *pageManager, const QString &programFolder, QObject *parent = nullptr);
    ~CNetFxUtil() override;

    bool isNetFxInstalled() const;

signals:
    void launchInstaller();
    void showDialog(const QString &dialogName, const QString &strTitle, const QString &strDesc,
        const QString &strNegative, const QString &strPositive);
    void installAccount();

public slots:
    void loadedPDotNet();
    void installNetFx();
    void installFinished(int nExitCode);
    void reboot();
    void closeSetup();
    void onSendResult(const QString &dialogName, bool bResult);
    void onShowDialog(const QString &link);

private:
    // Asks the user through the page manager's catalogue dialog of this id.
    void askWithDialog(const QString &dialogName);
    void setButtonState(int state);
    void createResumeShortcut();

    QObject *m_rootObject;
    QPointer<CPageManager> m_pageManager;
    QPointer<QObject> m_page;
    QString m_link;
    WorkerThread m_installerThread { "[NetFxUtil]" };
    WorkerThread m_dialogThread { "[NetFxUtil]" };
};
