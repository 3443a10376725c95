#pragma once

#include <QDesktopServices>
#include <QList>
#include <QObject>
#include <QUrl>

// Records the web pages the wizard opens in the browser, instead of opening them.
class UrlRecorder : public QObject {
    Q_OBJECT
public:
    UrlRecorder() { QDesktopServices::setUrlHandler(QStringLiteral("https"), this, "open"); }
    ~UrlRecorder() override { QDesktopServices::unsetUrlHandler(QStringLiteral("https")); }
    QList<QUrl> urls;
public slots:
    void open(const QUrl &url) { urls << url; }
};
