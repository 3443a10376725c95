#pragma once

#include <QNetworkAccessManager>
#include <QObject>
#include <QString>
#include <QTimer>

class QNetworkReply;

// Downloads one file over HTTP into a local path and reports the outcome once. A
// transfer is abandoned when no byte arrived for a whole watchdog period, however long
// the transfer takes in total. Lives on the thread that created it.
class WebLoader : public QObject {
    Q_OBJECT

public:
    static constexpr int WatchdogMs = 7000;

    explicit WebLoader(QObject *parent = nullptr);

    void download(const QString &url, const QString &savePath);

signals:
    void downloaded(bool bSucc);

public slots:
    void networkReplied(QNetworkReply *pReply);
    void downloadProgress(qint64 size, qint64 all);
    void handleTimeOut();

private:
    QNetworkAccessManager m_manager;
    QString m_savePath;
    qint32 m_lastDownSize = 0;
    qint32 m_fileDownSize = 0;
    QTimer m_watchdog;
    QNetworkReply *m_reply = nullptr;
};
