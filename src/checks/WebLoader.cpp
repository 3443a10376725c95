#include "checks/WebLoader.h"

#include <QMetaEnum>
#include <QNetworkReply>
#include <QNetworkRequest>
#include <QSaveFile>
#include <QUrl>

WebLoader::WebLoader(const DownloadLimits &limits, QObject *parent)
    : QObject(parent)
    , m_limits(limits)
{
    m_deadline.setSingleShot(true);
    connect(&m_manager, &QNetworkAccessManager::finished, this, &WebLoader::networkReplied);
    connect(&m_watchdog, &QTimer::timeout, this, &WebLoader::handleTimeOut);
    connect(&m_deadline, &QTimer::timeout, this, &WebLoader::handleOverallTimeOut);
}

void WebLoader::download(const QString &url, const QString &savePath)
{
    m_savePath = savePath;
    m_reply = m_manager.get(QNetworkRequest(QUrl(url, QUrl::TolerantMode)));
    connect(m_reply, &QNetworkReply::metaDataChanged, this, &WebLoader::checkDeclaredSize);
    connect(m_reply, &QNetworkReply::downloadProgress, this, &WebLoader::downloadProgress);
    m_watchdog.stop();
    m_watchdog.start(m_limits.stallMs);
    m_deadline.start(m_limits.totalMs);
}

void WebLoader::downloadProgress(qint64 size, qint64 all)
{
    m_fileDownSize = qint32(size);
    qDebug("[WebLoader] Total size: %lld, current download size: %lld", all, size);
    limitSize(size);
}

void WebLoader::handleTimeOut()
{
    qDebug("[WebLoader] m_LastDownSize: %d, m_FileDownSize: %d", m_lastDownSize, m_fileDownSize);
    if (m_lastDownSize != m_fileDownSize) {
        m_lastDownSize = m_fileDownSize;
        return;
    }
    qDebug("[WebLoader] Http url download request time out, and abort request!!!");
    if (m_reply)
        m_reply->abort();
}

// A server that sends a byte now and then would otherwise hold the check for ever.
void WebLoader::handleOverallTimeOut()
{
    qWarning("[WebLoader] Download took longer than %s s, abort request!!!",
        qUtf8Printable(QString::number(m_limits.totalMs / 1000.0)));
    if (m_reply)
        m_reply->abort();
}

// A declared length above the cap fails before any of the body arrives.
void WebLoader::checkDeclaredSize()
{
    if (!m_reply)
        return;
    const QVariant length = m_reply->header(QNetworkRequest::ContentLengthHeader);
    if (length.isValid())
        limitSize(length.toLongLong());
}

// The whole answer may have come in with its end, which the abort then no longer
// changes: the reply's end checks the mark.
void WebLoader::limitSize(qint64 size)
{
    if (size <= m_limits.maxBytes || !m_reply || m_tooLarge)
        return;
    qWarning("[WebLoader] Download is larger than %lld bytes, abort request!!!", m_limits.maxBytes);
    m_tooLarge = true;
    m_reply->abort();
}

void WebLoader::networkReplied(QNetworkReply *pReply)
{
    const bool result = keepAnswer(pReply);
    pReply->deleteLater();
    if (pReply == m_reply)
        m_reply = nullptr;
    m_lastDownSize = 0;
    m_fileDownSize = 0;
    m_tooLarge = false;
    m_watchdog.stop();
    m_deadline.stop();
    emit downloaded(result);
}

// Whether the answer is the file and is saved; logs why not.
bool WebLoader::keepAnswer(QNetworkReply *reply) const
{
    if (m_tooLarge)
        return false; // logged as the cap was passed
    if (reply->error() != QNetworkReply::NoError) {
        qWarning("[WebLoader] Json file download failed, error: %s",
            QMetaEnum::fromType<QNetworkReply::NetworkError>().valueToKey(reply->error()));
        return false;
    }
    // Qt ends a redirect, or any other answer it does not take as an error, without an
    // error; only a 2xx status says the body is the file.
    const int status = reply->attribute(QNetworkRequest::HttpStatusCodeAttribute).toInt();
    if (status < 200 || status > 299) {
        qWarning("[WebLoader] Json file download failed, HTTP status: %d", status);
        return false;
    }
    const QByteArray body = reply->readAll();
    if (body.isEmpty()) {
        qWarning("[WebLoader] Json file download failed, empty body");
        return false;
    }
    return save(body);
}

// Written aside and renamed into place, so a failed write leaves the old file whole.
bool WebLoader::save(const QByteArray &body) const
{
    QSaveFile file(m_savePath);
    if (file.open(QIODevice::WriteOnly) && file.write(body) == body.size() && file.commit()) {
        qDebug("[WebLoader] Json file downloaded successfully, saved to %s", qUtf8Printable(m_savePath));
        return true;
    }
    qWarning("[WebLoader] Failed to save json file to %s: %s", qUtf8Printable(m_savePath),
        qUtf8Printable(file.errorString()));
    return false;
}
