#include "checks/WebLoader.h"

#include <QMetaEnum>
#include <QNetworkReply>
#include <QNetworkRequest>
#include <QSaveFile>
#include <QUrl>

WebLoader::WebLoader(QObject *parent)
    : QObject(parent)
{
    connect(&m_manager, &QNetworkAccessManager::finished, this, &WebLoader::networkReplied);
    connect(&m_watchdog, &QTimer::timeout, this, &WebLoader::handleTimeOut);
}

void WebLoader::download(const QString &url, const QString &savePath)
{
    m_savePath = savePath;
    m_reply = m_manager.get(QNetworkRequest(QUrl(url, QUrl::TolerantMode)));
    connect(m_reply, &QNetworkReply::downloadProgress, this, &WebLoader::downloadProgress);
    m_watchdog.stop();
    m_watchdog.start(WatchdogMs);
}

void WebLoader::downloadProgress(qint64 size, qint64 all)
{
    m_fileDownSize = qint32(size);
    qDebug("[WebLoader] Total size: %lld, current download size: %lld", all, size);
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

void WebLoader::networkReplied(QNetworkReply *pReply)
{
    const QByteArray body = pReply->readAll();
    bool result = false;
    if (pReply->error() != QNetworkReply::NoError) {
        qWarning("[WebLoader] Json file download failed, error: %s",
            QMetaEnum::fromType<QNetworkReply::NetworkError>().valueToKey(pReply->error()));
    } else {
        // Written aside and renamed into place, so a failed write leaves the old file whole.
        QSaveFile file(m_savePath);
        result = file.open(QIODevice::WriteOnly) && file.write(body) == body.size() && file.commit();
        if (result) {
            qDebug("[WebLoader] Json file downloaded successfully, saved to %s", qUtf8Printable(m_savePath));
        } else {
            qWarning("[WebLoader] Failed to save json file to %s: %s", qUtf8Printable(m_savePath),
                qUtf8Printable(file.errorString()));
        }
    }
    pReply->deleteLater();
    if (pReply == m_reply)
        m_reply = nullptr;
    m_lastDownSize = 0;
    m_fileDownSize = 0;
    m_watchdog.stop();
    emit downloaded(result);
}
