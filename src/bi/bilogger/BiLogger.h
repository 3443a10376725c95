#pragma once

#include "bilogger/BiRecord.h"
#include "bilogger/RecordWriter.h"
#include "bilogger/Uploader.h"

#include <cstdint>
#include <functional>
#include <future>
#include <memory>
#include <mutex>
#include <optional>
#include <string>

namespace bilogger {

// Where the BI server lives. Hosts are "name[:port]", reached over HTTPS; an empty
// host turns uploads off. caFile, when set, is the only certificate authority trusted.
struct Endpoints {
    std::string productionHost;
    std::string stageHost;
    std::string caFile;
};

// The BI logging library: records are stored at once in the local SQLite store of the
// storage folder and uploaded in batches by a background sender thread. Failures never
// reach the caller beyond a false or empty answer; they are written to standard error.
// Thread-safe.
class BiLogger {
public:
    static constexpr const char *DefaultEnvironment = "default";
    static constexpr const char *StageEnvironment = "stage";
    // The library's own error records.
    static constexpr const char *ErrorAppId = "error_log";
    static constexpr const char *ErrorCategory = "DefaultCategory";
    static constexpr int SaveTries = 3;

    static std::string version();

    BiLogger();
    ~BiLogger();
    BiLogger(const BiLogger &) = delete;
    BiLogger &operator=(const BiLogger &) = delete;

    // storagePath must be an existing folder; the store is created there when missing.
    // True when the logger is ready (also when it already was).
    bool init(
        const std::string &storagePath, const std::string &appId, const ClientInfo &client, const Endpoints &endpoints);
    bool isInitialized() const;
    // Records and uploads go to the "stage" environment and host from now on.
    void useStageEnvironment();

    // Empty before init.
    std::optional<BiRecord> createRecord(const std::string &category) const;
    // Stores the record with the standard keys; true once it is in the store.
    bool submit(const BiRecord &record);
    // Queues the record on the sender thread, behind everything queued before, and
    // answers at once: the caller never waits on the store. Its content, with the
    // timestamp of this call, is made now. A busy store is waited for until the logger
    // stops, so nothing is lost to a lock; the future tells whether the record was stored
    // (false at once before init).
    std::shared_future<bool> submitQueued(const BiRecord &record);
    // Rows of the current environment waiting to be sent.
    std::int64_t rowCount() const;
    // Queues one flush on the sender thread; the future tells how it went. While a flush
    // waits in the queue, asking again joins it, so a slow network never piles them up.
    std::shared_future<FlushReport> flush();
    // Queues a look at the store behind the queued records: when it holds rows of the
    // current environment, rowsFound is called with their count on the sender thread and
    // the rows are flushed. A later request supersedes one still waiting, so a slow
    // upload never piles up flushes behind it.
    void flushStoredQueued(std::function<void(std::int64_t rows)> rowsFound);
    // Stops the sender thread (a running flush ends at once) and closes the store.
    void shutdown();

private:
    struct Session;

    std::string environment() const;
    // The BI server of the current environment. Called with m_mutex held and a session.
    std::string host() const;
    // Whether init() succeeded; when not, says so on standard error. Called with m_mutex held.
    bool hasSession() const;

    mutable std::mutex m_mutex;
    std::unique_ptr<Session> m_session;
    bool m_stage = false;
};

} // namespace bilogger
