#pragma once

#include "bi/bilogger/BiLogger.h"

#include <QObject>
#include <QString>

#include <atomic>

// The logging library as the BI service shares it with its worker. The library is
// thread-safe itself; ready lets the user-interface thread ask, without waiting on the
// library's lock, whether the worker's initialisation has succeeded.
struct BILoggerHandle {
    static constexpr const char *AppId = "com.kelt.nova.setup";

    bilogger::BiLogger logger;
    std::atomic<bool> ready { false };
    QString storageFolder;
    bilogger::ClientInfo client;
    bilogger::Endpoints endpoints;
};

// Initialises the logging library on the BI service's worker thread, since opening the
// store touches the disk.
class BIServiceWorker : public QObject {
    Q_OBJECT

public:
    explicit BIServiceWorker(BILoggerHandle &handle);

public slots:
    void onInitBILogger();

private:
    BILoggerHandle &m_handle;
};
