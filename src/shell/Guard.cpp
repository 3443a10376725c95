#include "shell/Guard.h"

#include "bi/BIEndpoints.h"
#include "core/Utils.h"
#include "platform/NamedMutex.h"
#include "platform/Processes.h"
#include "platform/Registry.h"
#include "platform/SystemInfo.h"

#include <QNetworkAccessManager>
#include <QNetworkReply>

#include <algorithm>
#include <cerrno>

namespace {

const QString PidKey = QStringLiteral("HKEY_LOCAL_MACHINE\\Software\\KeltNova\\Updater\\PID");
const QString UninstallPidKey = QStringLiteral("HKEY_LOCAL_MACHINE\\Software\\KeltNova\\Updater\\UninstallPID");
const QString UpdaterExe = QStringLiteral("Updater.exe");
const QString UninstallerExe = QStringLiteral("da.exe");
const QString LookupPath = QStringLiteral("/api/whichcountry/v1/plain");
const QString HomeCountry = QStringLiteral("cn");
const QString HomeLocale = QStringLiteral("zh_cn");
constexpr int ResumePollMs = 50;

bool listsAnyOf(const QStringList &pidNames, const QList<qint64> &ids)
{
    return std::any_of(pidNames.begin(), pidNames.end(), [&ids](const QString &name) {
        bool ok = false;
        const qint64 pid = name.toLongLong(&ok, 10);
        return ok && ids.contains(pid);
    });
}

} // namespace

Guard::Guard(const QString &lockName, const QStringList &otherSetupPrograms, bool checkLocation, bool skipLocation,
    QObject *parent)
    : QObject(parent)
    , m_lockName(lockName)
    , m_otherSetupPrograms(otherSetupPrograms)
    , m_skipLocation(skipLocation)
    , m_checkLocation(checkLocation)
{
    qDebug("[Guard] Should check Updater? %d", m_checkUpdater);
    m_resumeWait.setInterval(ResumePollMs);
    connect(&m_resumeWait, &QTimer::timeout, this, &Guard::onResumeWait);
}

Guard::~Guard() = default;

bool Guard::isUpdaterRunning(const QStringList &pidNames, const QStringList &uninstallPidNames,
    const QList<qint64> &updaterIds, const QList<qint64> &uninstallerIds)
{
    return listsAnyOf(pidNames, updaterIds) || listsAnyOf(uninstallPidNames, uninstallerIds);
}

QString Guard::lookupUrl(const QString &host)
{
    return QStringLiteral("https://") + host + LookupPath;
}

void Guard::check()
{
    qDebug("[Guard] Checking");
    // A held lock has shown its dialog already; the other checks still run.
    acquireLock();
    if (!m_checkUpdater)
        return;
    checkUpdater();
    if (m_checkLocation)
        checkLocation();
}

bool Guard::acquireLock()
{
    if (m_lock)
        return true;
    qDebug("[Guard] Acquiring single instance lock %s", qUtf8Printable(m_lockName));
    auto lock = std::make_unique<platform::NamedMutex>(m_lockName);
    if (lock->tryLock()) {
        m_lock = std::move(lock);
        qDebug("[Guard] Acquired lock");
        return true;
    }
    // A lock that cannot be made at all counts as one held elsewhere.
    const bool noHandle = lock->error() != EWOULDBLOCK;
    qWarning("[Guard] WARNING: Another instance of %s is already running. Handle NULL?%d, error:%d",
        qUtf8Printable(m_lockName), noHandle, lock->error());
    emit showDialog(QStringLiteral("CO001"));
    return false;
}

void Guard::releaseLock()
{
    if (!m_lock)
        return;
    m_lock.reset();
    qDebug("[Guard] Released single instance lock %s", qUtf8Printable(m_lockName));
}

bool Guard::checkUpdater()
{
    qDebug("[Guard] Check running Updater");
    const QStringList pidNames = platform::Registry::valueNames(PidKey);
    const QStringList uninstallPidNames = platform::Registry::valueNames(UninstallPidKey);
    bool running = false;
    if (!pidNames.isEmpty() || !uninstallPidNames.isEmpty()) {
        QList<qint64> updaterIds;
        QList<qint64> uninstallerIds;
        Utils::findProcessByName(UpdaterExe, &updaterIds);
        Utils::findProcessByName(UninstallerExe, &uninstallerIds);
        running = isUpdaterRunning(pidNames, uninstallPidNames, updaterIds, uninstallerIds);
    }
    if (running) {
        qWarning("[Guard] WARNING: Found Updater running. Shouldn't proceed.");
        emit showDialog(QStringLiteral("CO002"));
        return false;
    }
    qDebug("[Guard] Passed Updater check");
    emit checkUpdaterPassed();
    return true;
}

void Guard::killAnotherInstance()
{
    for (const QString &program : m_otherSetupPrograms)
        Utils::killProcessByName(program);
    // An ended program lets go of the lock only once the system has torn it down.
    m_resumePolls = 0;
    onResumeWait();
}

void Guard::onResumeWait()
{
    const bool gone
        = std::none_of(m_otherSetupPrograms.begin(), m_otherSetupPrograms.end(), [](const QString &program) {
              return !platform::Processes::find(program, platform::Processes::Match::Name).isEmpty();
          });
    if (!gone && ++m_resumePolls * ResumePollMs < ResumeWaitMs) {
        m_resumeWait.start();
        return;
    }
    m_resumeWait.stop();
    acquireLock();
}

void Guard::checkLocation()
{
    if (m_skipLocation)
        return;
    qDebug("[Guard]checkLocation() m_nCheckLocRetry: %d", m_checkLocRetry);
    if (m_checkLocRetry > LocationTries - 1) {
        const QString locale = platform::SystemInfo::localeName();
        qWarning("[Guard]checkLocation() retry over 5 times,system loction: %s", qUtf8Printable(locale));
        if (locale.compare(HomeLocale, Qt::CaseInsensitive) != 0)
            emit showDialog(QStringLiteral("CO003"));
        return;
    }
    const QNetworkRequest request = BIEndpoints::countryRequest(LookupPath, m_lookupTimeoutMs);
    if (request.url().isEmpty()) {
        // No country service is configured: the look-up fails at once.
        onWebServerReply(nullptr);
        return;
    }
    netManager()->get(request);
}

// Made at the first look-up: a network manager loads Qt's network plug-ins, which start-up
// does without.
QNetworkAccessManager *Guard::netManager()
{
    if (!m_netManager) {
        m_netManager = new QNetworkAccessManager(this);
        connect(m_netManager, &QNetworkAccessManager::finished, this, &Guard::onWebServerReply);
    }
    return m_netManager;
}

void Guard::onWebServerReply(QNetworkReply *reply)
{
    if (!reply) {
        qWarning("[Guard]onWebServerReply() no reply");
    } else {
        reply->deleteLater();
        const int status = reply->attribute(QNetworkRequest::HttpStatusCodeAttribute).toInt();
        qDebug("[Guard]onWebServerReply() reply status: %d error: %d", status, int(reply->error()));
        if (reply->error() == QNetworkReply::NoError && (status == 200 || status == 204)) {
            const QString country = QString::fromUtf8(reply->readAll()).trimmed();
            qDebug("[Guard]onWebServerReply() user is in %s", qUtf8Printable(country));
            if (country.compare(HomeCountry, Qt::CaseInsensitive) != 0)
                emit showDialog(QStringLiteral("CO003"));
            return;
        }
        qWarning("[Guard]onWebServerReply() http error");
    }
    ++m_checkLocRetry;
    checkLocation();
}
