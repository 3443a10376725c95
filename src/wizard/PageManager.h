#pragma once

#include "core/BlockingDialog.h"
#include "core/Catalogue.h"
#include "core/WorkerThread.h"
#include "wizard/PageDialogCatalogue.h"
#include "wizard/PageList.h"

#include <QObject>
#include <QPointer>
#include <QString>

#include <optional>

class BIService;
class GraphicsChecker;

// The order of the wizard's pages: moves between them when the pages ask (skipping
// pages the checks found unnecessary), sets the footer's buttons per page, tells the
// managers which page was loaded, shows its own blocking dialogs for worker threads,
// and runs the end of the program: every quit ends in prepareToQuit.
class CPageManager : public QObject {
    Q_OBJECT

public:
    // root: the QML root window. Runs the start-up checks, whose dialogs appear once the
    // event loop runs.
    CPageManager(
        QObject *root, QObject *parent, BIService *biService, bool isNoAccount, GraphicsChecker *graphicsChecker);
    ~CPageManager() override;

    // The page the page loader shows ("pHealth.qml").
    static QString loadedPage(const QObject *pageLoader);

    // Selects the default language where the first page offers a choice, then starts
    // the PC check. Called once, after the wiring.
    void start();

    // Shows a dialog of the catalogue and blocks the calling worker thread until the user
    // answers: 0 negative, 1 positive, -1 abandoned (also for an unknown id, and when
    // called on the user-interface thread, which would never see the answer).
    int showDialogInt(const QString &messageId);
    // The same with the texts and flags of entry.
    int showDialogInt(const PageDialogEntry &entry);
    // The catalogue's entry, from any thread.
    std::optional<PageDialogEntry> dialogEntry(const QString &messageId) const;
    QVector<PageDialogEntry> dialogEntries() const { return m_dialogs.entries(); }
    // Ends every wait for a blocking dialog unanswered (-1), now and from now on; for
    // the end of the program, when no answer will come.
    void closeDialogs();

    QString currentPage() const;
    int currentIndex() const;
    QString finalPageName() const;
    const QVector<PageEntry> &pages() const { return m_pages; }

    // Jumps from the current page to a page of the list.
    void jump(const QString &pageName);
    // The screenshot tour: shows the next page (or, with reload, the current one again)
    // without telling the managers.
    void forceJumpNext(bool reload);

    void setSkipPCheck(bool skip);
    void setSkipPDotNet(bool skip);
    void setSkipPDriver(bool skip);

signals:
    void showDialogByWorker(const QString &messageId);
    void back();
    void next();
    void load();
    void startCheckManager();
    void loadedPDotNet();
    void loadedPDriver();
    void loadedPLegal();
    void loadedPCheck();
    void loadedPFolder();
    void loadedPInstall();
    void loadedPSignin();
    // The receiver answers whether the guide was started.
    bool startGuide(const QString &bgiPipeName);
    void setPCCheckReady(int clicksSteamVRTest, int clicksReadyPC);
    void closeApp();
    void canSkipInstall();

public slots:
    void jumpNext();
    void jumpBack();
    void jump(int fromIndex, bool isToNext);
    void loaded();
    void setBackStatus(bool bEnabled, bool bVisible, const QString &strText);
    void setNextStatus(bool bEnabled, bool bVisible, const QString &strText);
    void negativePressed();
    void positivePressed();
    void onAbandonDialog(const QString &targetID);
    void skipInstall();
    void onMinimizeButtonClicked();
    void initPages();
    void prepareToQuit(const QString &strReason);
    void startGuideToQuit(const QString &strReason);
    void handleGpuUpdate();

private:
    void jumpTo(int fromIndex, int toIndex);
    QString pageName(int index) const;
    int indexOf(const QString &pageName) const;
    bool isSkipped(int index) const;
    void applyFooter(const PageEntry &page);
    int helpClicks() const;
    // Hands the PC-check page's link clicks to the analytics.
    void wrapUpPCCheck();
    void startUninstall();
    // Calls the footer's function for a button (setBackStatus or setNextStatus).
    void setFooterButton(const char *function, bool bEnabled, bool bVisible, const QString &strText);

    QObject *m_root;
    QPointer<QObject> m_pageHeader;
    QPointer<QObject> m_pageLoader;
    QPointer<QObject> m_pageFooter;
    BIService *m_biService;
    GraphicsChecker *m_graphicsChecker;

    QVector<PageEntry> m_pages;
    Catalogue<PageDialogEntry> m_dialogs;

    bool m_skipPCheck = false;
    bool m_skipPDotNet = false;
    bool m_skipPDriver = false;
    int m_targetIndex = 0;
    bool m_forcedTour = false;

    BlockingDialog m_dialog;
    WorkerThread m_dialogThread { "[PageManager]" }; // stops before m_dialog goes
};
