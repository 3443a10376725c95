#include "checks/UrlChecker.h"

#include "checks/ProductSite.h"
#include "platform/Browser.h"

#include <QMetaEnum>
#include <QNetworkAccessManager>
#include <QNetworkReply>
#include <QNetworkRequest>
#include <QUrl>

using platform::Browser;

namespace {

bool isWebAddress(const QUrl &url)
{
    return url.scheme() == QLatin1String("http") || url.scheme() == QLatin1String("https");
}

} // namespace

UrlChecker::UrlChecker(QObject *parent)
    : QObject(parent)
    , m_supportPage(supportPage())
{
}

void UrlChecker::setTransferTimeout(int ms)
{
    m_transferTimeout = ms;
    if (m_netManager)
        m_netManager->setTransferTimeout(ms);
}

// Made at the first check, on this thread: a network manager loads Qt's network plug-ins,
// which start-up does without.
QNetworkAccessManager *UrlChecker::netManager()
{
    if (!m_netManager) {
        m_netManager = new QNetworkAccessManager(this);
        // A moved page counts as gone, so the check sees the first answer, never a redirect's.
        m_netManager->setRedirectPolicy(QNetworkRequest::ManualRedirectPolicy);
        m_netManager->setTransferTimeout(m_transferTimeout);
        connect(m_netManager, &QNetworkAccessManager::finished, this, &UrlChecker::onNetReplied);
    }
    return m_netManager;
}

void UrlChecker::onOpenUrlLink(QString url)
{
    qDebug("[UrlChecker] onOpenUrlLink url:%s", qUtf8Printable(url));
    m_lastUrl = url;
    const QUrl address(url);
    // Only web pages are checked. Anything else goes straight to the browser layer, which
    // opens mail addresses and refuses the rest: the network manager would read a local
    // file for a file: address.
    if (!isWebAddress(address)) {
        openLastUrl();
        return;
    }
    netManager()->get(QNetworkRequest(address));
}

void UrlChecker::onNetReplied(QNetworkReply *reply)
{
    qDebug("[UrlChecker] onNetReplied");
    if (!reply) {
        qWarning("[UrlChecker] onNetReplied() no reply");
        return;
    }
    reply->deleteLater();
    const int status = reply->attribute(QNetworkRequest::HttpStatusCodeAttribute).toInt();
    const QNetworkReply::NetworkError error = reply->error();
    qDebug("[UrlChecker] onNetReplied() reply status: %d error: %s", status,
        QMetaEnum::fromType<QNetworkReply::NetworkError>().valueToKey(error));
    if ((error == QNetworkReply::ContentNotFoundError && status == 404) || status == 301) {
        qDebug("[UrlChecker] Encounter url 404 or 301, direct to default support page.");
        Browser::openUrl(m_supportPage);
        return;
    }
    openLastUrl();
}

void UrlChecker::openExternally(const QUrl &url)
{
    const QString address = url.toString(QUrl::FullyEncoded);
    qDebug("[UrlChecker] Open externally %s", qUtf8Printable(address));
    Browser::openUrl(address);
}

void UrlChecker::openLastUrl()
{
    qDebug("[UrlChecker] openUrl %s", qUtf8Printable(m_lastUrl));
    Browser::openUrl(m_lastUrl);
}
