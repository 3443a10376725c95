#include "bi/BIService.h"

#include "bi/BIEndpoints.h"
#include "platform/SystemInfo.h"
#include "core/DLog.h"
#include "core/ModeFlags.h"
#include "core/Utils.h"

#include <QDebug>
#include <QDir>
#include <QJsonDocument>
#include <QJsonObject>
#include <QLocale>
#include <QNetworkAccessManager>
#include <QNetworkReply>
#include <QRegularExpression>
#include <QSslCertificate>
#include <QSslConfiguration>
#include <QThread>
#include <QTimer>
#include <QUuid>

#include <chrono>

namespace {

constexpr int CountryTimeoutMs = 10000;
constexpr int FinalFlushQuietPasses = 5;
constexpr std::chrono::seconds FinalFlushPassTime(1);

// The program file's version, "1.0.121.0", from the version text that ends in it.
QString fileVersion(const QString &appVersion)
{
    const QRegularExpressionMatch match
        = QRegularExpression(QStringLiteral("(\\d+\\.\\d+\\.\\d+\\.\\d+)$")).match(appVersion);
    return match.hasMatch() ? match.captured(1) : QStringLiteral("0.0.0.0");
}

bilogger::ClientInfo clientInfo(const QString &appVersion)
{
    return { platform::SystemInfo::productUuid().toStdString(), platform::SystemInfo::osManufacturer().toStdString(),
        platform::SystemInfo::osVersion().toStdString(), QLocale::system().name().toStdString(),
        fileVersion(appVersion).toStdString() };
}

QString installedText(bool installed)
{
    return installed ? QStringLiteral("installed") : QStringLiteral("not installed");
}

} // namespace

BIService::BIService(const QString &appVersion, QObject *parent)
    : QObject(parent)
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

    m_network = new QNetworkAccessManager(this);
    connect(m_network, &QNetworkAccessManager::finished, this, &BIService::onNetReplied);

    const QString folder = DLog::tempLogFolder();
    QDir().mkpath(folder);
    m_handle.storageFolder = QDir(folder).absolutePath();
    Utils::writeRegValue(Utils::RegKeltNova, QStringLiteral("BIPath"), m_handle.storageFolder);
    m_handle.client = clientInfo(appVersion);
    m_handle.endpoints = BIEndpoints::logger();

    if ((Mode::isInternal() || Mode::isDeveloper() || Mode::isDemo()) && !Mode::isBeta()) {
        qDebug("[BIService] Use Stage server for BI");
        m_handle.logger.useStageEnvironment();
    }

    m_workerThread = new QThread(this);
    m_worker = new BIServiceWorker(m_handle);
    m_worker->moveToThread(m_workerThread);
    connect(m_workerThread, &QThread::finished, m_worker, &QObject::deleteLater);
    connect(this, &BIService::InitBILogger, m_worker, &BIServiceWorker::onInitBILogger);
    m_workerThread->start(QThread::InheritPriority);
    qDebug("[BIService] Initialize BI service");
    emit InitBILogger();
}

BIService::~BIService()
{
    m_workerThread->quit();
    m_workerThread->wait();
    m_handle.logger.shutdown();
}

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
    const QString host = BIEndpoints::countryHost();
    if (host.isEmpty())
        return;
    const QUrl url(QStringLiteral("https://") + host + QStringLiteral("/api/cntysettings/v1/find/")
        + QString::fromLatin1(QUrl::toPercentEncoding(m_state.accountId)));
    qDebug("[BIService] askCountry: %s", qUtf8Printable(url.toString()));
    QNetworkRequest request(url);
    request.setTransferTimeout(CountryTimeoutMs);
    const QString caFile = BIEndpoints::caFile();
    if (!caFile.isEmpty()) {
        QSslConfiguration ssl = QSslConfiguration::defaultConfiguration();
        ssl.setCaCertificates(QSslCertificate::fromPath(caFile));
        request.setSslConfiguration(ssl);
    }
    m_network->get(request);
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
    if (!m_handle.ready)
        return;
    sendRecords(false);
    const qint64 rows = m_handle.logger.rowCount();
    if (rows > 0) {
        qDebug("[BIService] Has data to flush: %lld", rows);
        m_handle.logger.flush();
    }
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
    std::optional<bilogger::BiRecord> logged = m_handle.logger.createRecord(record.event.toStdString());
    if (!logged) {
        qWarning("[BIService] WARNING: Failed to create BiLogger, abort");
        return;
    }
    for (const auto &pair : record.pairs)
        logged->add(pair.first.toStdString(), pair.second.toStdString());
    m_handle.logger.submit(*logged);
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
    // The initialisation runs on the worker; wait for it so the final records are kept.
    if (!m_handle.ready)
        QMetaObject::invokeMethod(m_worker, &BIServiceWorker::onInitBILogger, Qt::BlockingQueuedConnection);

    qDebug("[BIService] Make sure all data are sent");
    if (m_handle.ready)
        sendRecords(true);
    qDebug("[BIService] Make sure all data are flushed");
    finalFlush();
    m_handle.logger.shutdown();
    m_handle.ready = false;
    qDebug("[BIService] close() Done");
}

void BIService::finalFlush()
{
    qint64 previous = m_handle.logger.rowCount();
    int quietPasses = 0;
    while (quietPasses < FinalFlushQuietPasses) {
        if (m_handle.ready)
            m_handle.logger.flush().wait_for(FinalFlushPassTime);
        const qint64 count = m_handle.logger.rowCount();
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
