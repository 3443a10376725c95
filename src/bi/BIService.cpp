#include "bi/BIService.h"

#include "bi/BIEndpoints.h"
#include "core/DLog.h"
#include "core/ModeFlags.h"
#include "core/Queued.h"
#include "core/Utils.h"

#include <QDebug>
#include <QDir>
#include <QJsonDocument>
#include <QJsonObject>
#include <QNetworkAccessManager>
#include <QNetworkReply>
#include <QRegularExpression>
#include <QTimer>
#include <QUuid>

#include <chrono>

namespace {

constexpr int CountryTimeoutMs = 10000;
constexpr int FinalFlushQuietPasses = 5;
constexpr std::chrono::seconds FinalFlushPassTime(1);
// Covers an initialisation that waits for a busy store.
constexpr std::chrono::seconds InitWaitLimit(10);
constexpr std::chrono::seconds StoreWaitLimit(5);

// The program file's version, "1.0.121.0", from the version text that ends in it.
QString fileVersion(const QString &appVersion)
{
    const QRegularExpressionMatch match
        = QRegularExpression(QStringLiteral("(\\d+\\.\\d+\\.\\d+\\.\\d+)$")).match(appVersion);
    return match.hasMatch() ? match.captured(1) : QStringLiteral("0.0.0.0");
}

QString installedText(bool installed)
{
    return installed ? QStringLiteral("installed") : QStringLiteral("not installed");
}

} // namespace

BIService::BIService(const QString &appVersion, QObject *parent)
    : QObject(parent)
    , m_handle(std::make_shared<BILoggerHandle>())
{
    m_state.sessionId = QUuid::createUuid().toString(QUuid::WithoutBraces);
    if (Mode::isSWOA())
        m_state.deviceType = QStringLiteral("sw");
    m_state.startTime = QDateTime::currentDateTimeUtc();

    m_timer = new QTimer(this);
    m_timer->setInterval(SendIntervalMs);
    connect(m_timer, &QTimer::timeout, this, &BIService::sendAndFlush);
    m_timer->start();

    qDebug("[BIService]BI Service Version: %s", bilogger::BiLogger::version().c_str());

    const QString folder = DLog::tempLogFolder();
    QDir().mkpath(folder);
    m_handle->storageFolder = QDir(folder).absolutePath();
    Utils::writeRegValue(Utils::RegKeltNova, QStringLiteral("BIPath"), m_handle->storageFolder);
    m_handle->fileVersion = fileVersion(appVersion);
    m_handle->endpoints = BIEndpoints::logger();

    if ((Mode::isInternal() || Mode::isDeveloper() || Mode::isDemo()) && !Mode::isBeta()) {
        qDebug("[BIService] Use Stage server for BI");
        m_handle->logger.useStageEnvironment();
    }

    m_worker = m_workerThread.start<BIServiceWorker>(m_handle);
    if (m_worker)
        connect(this, &BIService::InitBILogger, m_worker, &BIServiceWorker::onInitBILogger);
    qDebug("[BIService] Initialize BI service");
    emit InitBILogger();
}

// The worker thread stops within WorkerThread's limit; the logger shuts down when its
// last holder goes.
BIService::~BIService() = default;

void BIService::setRecordStepStart(const QString &page)
{
    m_pages.start(page);
}

void BIService::setRecordStepEnd(const QString &page, const QString &how, int helpClicks)
{
    m_pages.end(page, how, helpClicks);
}

void BIService::setInstalledStatus(bool novaSoftware, bool steam, bool steamVRInSteam, bool standaloneSteamVR)
{
    m_state.novaSwStatus = installedText(novaSoftware);
    m_state.steamStatus = installedText(steam);
    m_state.steamVRStatus = installedText(steamVRInSteam);
    m_state.standaloneSteamVRStatus = installedText(standaloneSteamVR);
}

void BIService::setInstallProgress(const QString &progress, const QDateTime &timeUtc)
{
    m_state.installProgress = progress;
    if (progress == QLatin1String("foreground installing"))
        m_state.foregroundInstallTime = timeUtc;
    else if (progress == QLatin1String("background installing"))
        m_state.backgroundInstallTime = timeUtc;
}

void BIService::setSteamVRProgress(const QString &progress)
{
    m_state.steamVRProgress = progress;
}

void BIService::storePcInfo(const BIPcInfo &info)
{
    m_state.pcInfo = info;
}

void BIService::setSigninKind(const QString &kind)
{
    m_state.signinKind = kind;
}

void BIService::setLastPage(const QString &page)
{
    m_state.lastPage = page;
}

void BIService::setQuitReason(const QString &reason)
{
    m_state.quitReason = BIRecords::quitReasonText(reason);
}

void BIService::setRegion(const QString &region)
{
    m_state.region = region;
}

void BIService::setCallerKind(const QString &kind)
{
    m_state.callerKind = kind;
}

void BIService::setPCCheckReady(int clicksSteamVRTest, int clicksReadyPC)
{
    m_state.clicksSteamVRTest = clicksSteamVRTest;
    m_state.clicksReadyPC = clicksReadyPC;
    m_pcCheckReady = true;
}

void BIService::setInstallLanguage(const QString &langauge)
{
    m_state.locale = langauge;
}

void BIService::setLearnMoreStart(const QString &page, const QString &type)
{
    m_learnMore = BILearnMoreRecord { page, type, QDateTime::currentDateTimeUtc(), QDateTime() };
}

void BIService::setLearnMoreEnd()
{
    if (m_learnMore && !m_learnMore->end.isValid())
        m_learnMore->end = QDateTime::currentDateTimeUtc();
}

void BIService::setAccountID(const QString &id)
{
    qDebug("[BIService] setAccountID");
    m_state.accountId = id;
    m_countryRetries = 0;
    askCountry();
}

void BIService::askCountry()
{
    const QNetworkRequest request = BIEndpoints::countryRequest(
        QStringLiteral("/api/cntysettings/v1/find/") + QString::fromLatin1(QUrl::toPercentEncoding(m_state.accountId)),
        CountryTimeoutMs);
    if (request.url().isEmpty())
        return;
    qDebug("[BIService] askCountry: %s", qUtf8Printable(request.url().toString()));
    network()->get(request);
}

// Made at the first lookup: a network manager loads Qt's network plug-ins, which start-up
// does without.
QNetworkAccessManager *BIService::network()
{
    if (!m_network) {
        m_network = new QNetworkAccessManager(this);
        connect(m_network, &QNetworkAccessManager::finished, this, &BIService::onNetReplied);
    }
    return m_network;
}

void BIService::onNetReplied(QNetworkReply *reply)
{
    reply->deleteLater();
    const int status = reply->attribute(QNetworkRequest::HttpStatusCodeAttribute).toInt();
    qDebug("[BIService] onNetReplied %d %d", status, int(reply->error()));
    const QByteArray body = reply->readAll();
    qDebug("[BIService] onNetReplied, received: %s", body.constData());
    if (reply->error() == QNetworkReply::NoError) {
        QJsonParseError error;
        const QJsonDocument document = QJsonDocument::fromJson(body, &error);
        if (error.error != QJsonParseError::NoError) {
            qDebug("[BIService] onNetReplied, failed to parse json string, offset: %d", error.offset);
        } else if (document.object().isEmpty()) {
            qDebug("[BIService] onNetReplied, received null object");
        } else {
            m_state.country = document.object().value(QLatin1String("c")).toString();
            qDebug("[BIService] onNetReplied, country: %s", qUtf8Printable(m_state.country));
            return;
        }
    }
    if (m_countryRetries < MaxCountryRetries) {
        ++m_countryRetries;
        qDebug("[BIService] onNetReplied, retry to get country: %d", m_countryRetries);
        askCountry();
    }
}

void BIService::sendAndFlush()
{
    qDebug("[BIService] Periodic send");
    if (!m_handle->ready)
        return;
    sendRecords(false);
    // Counted and flushed on the library's thread, behind the records just submitted.
    m_handle->logger.flushStoredQueued(
        [](std::int64_t rows) { qDebug("[BIService] Has data to flush: %lld", static_cast<long long>(rows)); });
}

void BIService::sendRecords(bool final)
{
    qDebug("[BIService] Send a session");
    submit(BIRecords::session(m_state, QDateTime::currentDateTimeUtc()));
    if (m_pcCheckReady)
        sendPcCheck();
    sendLearnMore(final);
    sendPages();
}

void BIService::sendPcCheck()
{
    m_pcCheckReady = false;
    qDebug("[BIService] Send PC Check info");
    submit(BIRecords::check(m_state));
    const QVector<BIRecord> others = BIRecords::otherGpus(m_state);
    if (others.isEmpty())
        return;
    qDebug("[BIService] Has %d other GPUs.", int(others.size()));
    for (const BIRecord &gpu : others) {
        qDebug("[BIService] Send other gpu info");
        submit(gpu);
    }
}

void BIService::sendLearnMore(bool final)
{
    if (!m_learnMore) {
        qDebug("[BIService]onSendToBIServer() tmpLearnMoreRecord is NULL");
        return;
    }
    if (!m_learnMore->end.isValid()) {
        if (!final)
            return;
        // The program closes while the view is still open: it ends now.
        qDebug("[BIService] WARNING: Shouldn't be here. Found a record for %s", qUtf8Printable(m_learnMore->page));
        m_learnMore->end = QDateTime::currentDateTimeUtc();
    }
    qDebug("[BIService] Send a learn more record");
    submit(BIRecords::learnMore(m_state, *m_learnMore));
    m_learnMore.reset();
}

void BIService::sendPages()
{
    const QList<BIPageRecord> finished = m_pages.takeFinished();
    if (finished.isEmpty()) {
        qDebug("[BIService]onSendToBIServer() tmpStepRecord is NULL");
        return;
    }
    for (const BIPageRecord &page : finished) {
        qDebug("[BIService] Send a page");
        submit(BIRecords::page(m_state, page));
    }
}

void BIService::submit(const BIRecord &record)
{
    std::optional<bilogger::BiRecord> logged = m_handle->logger.createRecord(record.event.toStdString());
    if (!logged) {
        qWarning("[BIService] WARNING: Failed to create BiLogger, abort");
        return;
    }
    for (const auto &pair : record.pairs)
        logged->add(pair.first.toStdString(), pair.second.toStdString());
    m_lastStored = m_handle->logger.submitQueued(*logged);
}

void BIService::close()
{
    if (m_closed)
        return;
    m_closed = true;
    qDebug("[BIService] close() start");
    qDebug("[BIService] stop timer");
    m_timer->stop();
    delete m_timer;
    m_timer = nullptr;

    if (m_pages.hasOpen()) {
        qDebug("[BIService] Previous page: %s is not recorded yet, close it", qUtf8Printable(m_pages.openPage()));
        m_pages.endOpen(QStringLiteral("quit"));
    }
    if (!m_handle->ready)
        initBeforeClosing();

    qDebug("[BIService] Make sure all data are sent");
    if (m_handle->ready) {
        sendRecords(true);
        awaitStored();
    }
    qDebug("[BIService] Make sure all data are flushed");
    finalFlush();
    // A logger whose initialisation is still running shuts down when its last holder goes.
    if (m_handle->ready)
        m_handle->logger.shutdown();
    m_handle->ready = false;
    qDebug("[BIService] close() Done");
}

void BIService::initBeforeClosing()
{
    if (!m_worker)
        return;
    emit InitBILogger();
    // Queued behind the initialisation on the worker's thread, so it runs once that is done.
    auto handled = std::make_shared<std::promise<void>>();
    const std::future<void> done = handled->get_future();
    Queued::call(m_worker, [handled] { handled->set_value(); });
    if (done.wait_for(InitWaitLimit) != std::future_status::ready)
        qWarning("[BIService] WARNING: BiLogger is still initialising, the last records are not kept");
}

void BIService::awaitStored()
{
    if (m_lastStored.valid() && m_lastStored.wait_for(StoreWaitLimit) != std::future_status::ready)
        qWarning("[BIService] WARNING: The BI store is busy, records still wait to be stored");
}

void BIService::finalFlush()
{
    // Without a ready logger there is nothing to count, and its lock may still be held by
    // a running initialisation.
    const auto storedRows = [this] { return m_handle->ready ? qint64(m_handle->logger.rowCount()) : 0; };
    qint64 previous = storedRows();
    int quietPasses = 0;
    while (quietPasses < FinalFlushQuietPasses) {
        if (m_handle->ready)
            m_handle->logger.flush().wait_for(FinalFlushPassTime);
        const qint64 count = storedRows();
        if (count == previous) {
            ++quietPasses;
            continue;
        }
        qDebug("[BIService] finalFlush() DB pre-Count: %lld ,now-Count: %lld", previous, count);
        const bool emptied = previous > 0 && count == 0;
        previous = count;
        if (emptied)
            break;
    }
    qDebug("[BIService] finalFlush() Done");
}
