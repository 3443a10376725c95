#pragma once

#include <QObject>
#include <QString>

class QNetworkAccessManager;
class QNetworkReply;
class QUrl;

// Opens the links the pages ask for in the desktop user's browser, after a GET that
// shows the page is still there: a link answering 404 or 301 leads to the maker's
// support page instead. A link that cannot be checked (no network, no answer in time)
// opens as it is. Lives on the user-interface thread.
class UrlChecker : public QObject {
    Q_OBJECT

public:
    static constexpr int DefaultTransferTimeoutMs = 10000;

    explicit UrlChecker(QObject *parent = nullptr);

    // How long a check may go without progress before the link opens unchecked.
    void setTransferTimeout(int ms);

public slots:
    void onOpenUrlLink(QString url);
    void onNetReplied(QNetworkReply *reply);
    // Opens url at once, unchecked: the handler for web addresses that the pages open
    // through QDesktopServices (Qt.openUrlExternally).
    void openExternally(const QUrl &url);

private:
    void openLastUrl();
    QNetworkAccessManager *netManager();

    QString m_lastUrl;
    int m_transferTimeout = DefaultTransferTimeoutMs;
    QNetworkAccessManager *m_netManager = nullptr;
    const QString m_supportPage;
};
