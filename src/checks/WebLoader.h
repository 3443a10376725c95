#pragma once

#include <QNetworkAccessManager>
#include <QObject>
#include <QString>
#include <QTimer>

class QNetworkReply;

// How long and how large one download may get.
struct DownloadLimits {
    int stallMs = 7000; // a whole period without a byte abandons the transfer
    int totalMs = 60000; // however steadily the bytes come
    qint64 maxBytes = 1048576; // of the body, declared or received
};

// Downloads one file over HTTP into a local path and reports the outcome once. Only a
// 2xx answer with a body replaces the file; anything else leaves the old file whole. A
// transfer is abandoned when no byte arrived for a whole watchdog period, when it takes
// longer than its overall limit or when its body grows past the size cap. Lives on the
// thread that created it and must be deleted there.
class WebLoader : public QObject {
    Q_OBJECT

public:
    explicit WebLoader(const DownloadLimits &limits = {}, QObject *parent = nullptr);

    void download(const QString &url, const QString &savePath);

signals:
    void downloaded(bool bSucc);

public slots:
    void networkReplied(QNetworkReply *pReply);
    void downloadProgress(qint64 size, qint64 all);
    void handleTimeOut();

private:
    void handleOverallTimeOut();
    void checkDeclaredSize();
    void limitSize(qint64 size);
    bool keepAnswer(QNetworkReply *reply) const;
    bool save(const QByteArray &body) const;

    const DownloadLimits m_limits;
    QString m_savePath;
    qint32 m_lastDownSize = 0;
    qint32 m_fileDownSize = 0;
    bool m_tooLarge = false; // the body passed the cap
    QTimer m_watchdog;
    QTimer m_deadline;
    QNetworkReply *m_reply = nullptr;
    // Last, so that it and its replies go first, while the rest of the loader is whole.
    QNetworkAccessManager m_manager;
};
