#pragma once

#include "bi/bilogger/BiLogger.h"

#include <QObject>
#include <QString>

#include <atomic>
#include <memory>

// The logging library as the BI service shares it with its worker. The library is
// thread-safe itself; ready lets the user-interface thread ask, without waiting on the
// library's lock, whether the worker's initialisation has succeeded. Both hold it, so a
// worker that outlives the service still finds it.
struct BILoggerHandle {
    static constexpr const char *AppId = "com.kelt.nova.setup";

    bilogger::BiLogger logger;
    std::atomic<bool> ready { false };
    QString storageFolder;
    // The program file's version, "1.0.121.0".
    QString fileVersion;
    bilogger::Endpoints endpoints;
};

// Initialises the logging library on the BI service's worker thread, since opening the
// store and gathering the PC's facts for the records touch the disk.
class BIServiceWorker : public QObject {
    Q_OBJECT

public:
    explicit BIServiceWorker(std::shared_ptr<BILoggerHandle> handle);

public slots:
    void onInitBILogger();

private:
    const std::shared_ptr<BILoggerHandle> m_handle;
};
