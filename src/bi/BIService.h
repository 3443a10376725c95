#pragma once

#include "bi/BIRecords.h"
#include "bi/BIServiceWorker.h"
#include "bi/PageSteps.h"
#include "core/WorkerThread.h"

#include <QObject>
#include <QString>

#include <future>
#include <memory>
#include <optional>

class QNetworkAccessManager;
class QNetworkReply;
class QTimer;

// Collects the facts of one run of the wizard (pages and their timing, the PC check,
// what was installed, language, account and country) and hands them as records to the
// BI logging library every 5 seconds and once more when the program closes. Lives on
// the user-interface thread, which only builds the records: the library is initialised
// on a worker thread and stores, counts and uploads them on its own sender thread.
class BIService : public QObject {
    Q_OBJECT

public:
    static constexpr int SendIntervalMs = 5000;
    static constexpr int MaxCountryRetries = 5;

    explicit BIService(const QString &appVersion, QObject *parent = nullptr);
    ~BIService() override;

    QString sessionId() const { return m_state.sessionId; }
    // The library's storage folder, also published as "BIPath".
    QString tempFolder() const { return m_handle->storageFolder; }
    bool isLoggerReady() const { return m_handle->ready; }

    // Page timing.
    void setRecordStepStart(const QString &page);
    void setRecordStepEnd(const QString &page, const QString &how, int helpClicks);

    // Installed before this run: the product software, Steam, SteamVR in Steam and
    // standalone SteamVR.
    void setInstalledStatus(bool novaSoftware, bool steam, bool steamVRInSteam, bool standaloneSteamVR);
    // "before install", "foreground installing", "background installing", "installed";
    // the two installing steps mark the session's milestones at timeUtc.
    void setInstallProgress(const QString &progress, const QDateTime &timeUtc = QDateTime::currentDateTimeUtc());
    void setSteamVRProgress(const QString &progress);
    void storePcInfo(const BIPcInfo &info);
    void setAccountID(const QString &id);
    void setSigninKind(const QString &kind);
    void setLastPage(const QString &page);
    // Takes the quit reason in either wording ("done" or "complete", ...).
    void setQuitReason(const QString &reason);
    void setRegion(const QString &region);
    void setCallerKind(const QString &kind);

signals:
    void InitBILogger();

public slots:
    void onNetReplied(QNetworkReply *reply);
    void setPCCheckReady(int clicksSteamVRTest, int clicksReadyPC);
    void setInstallLanguage(const QString &langauge);
    void setLearnMoreStart(const QString &page, const QString &type);
    void setLearnMoreEnd();
    void sendAndFlush();
    void close();

private:
    void askCountry();
    QNetworkAccessManager *network();
    // The records of one tick; in the final round a learn-more view still open is
    // ended and sent.
    void sendRecords(bool final);
    void sendPcCheck();
    void sendLearnMore(bool final);
    void sendPages();
    void submit(const BIRecord &record);
    // Sends InitBILogger() and waits, within a limit, until the worker has handled it.
    void initBeforeClosing();
    // Waits, within a limit, until the records submitted so far are in the store.
    void awaitStored();
    void finalFlush();

    BISessionState m_state;
    PageSteps m_pages;
    std::optional<BILearnMoreRecord> m_learnMore;
    bool m_pcCheckReady = false;
    int m_countryRetries = 0;
    bool m_closed = false;

    // Tells when the last record submitted is in the store.
    std::shared_future<bool> m_lastStored;
    QTimer *m_timer = nullptr;
    // Made on this thread at the first country lookup.
    QNetworkAccessManager *m_network = nullptr;
    // Shared with the worker; declared before the thread, which stops (within its limit)
    // before this share goes.
    const std::shared_ptr<BILoggerHandle> m_handle;
    WorkerThread m_workerThread { "[BIService]" };
    BIServiceWorker *m_worker = nullptr;
};
