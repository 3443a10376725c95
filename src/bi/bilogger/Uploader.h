#pragma once

#include "bilogger/HttpsClient.h"
#include "bilogger/LogStore.h"
#include "bilogger/ServerConfig.h"

#include <atomic>
#include <cstdint>
#include <functional>
#include <optional>
#include <set>
#include <string>

namespace bilogger {

struct FlushReport {
    int sentRows = 0;
    // Requests of this flush that got no 2xx answer (configuration and batches).
    int failedAttempts = 0;
    // Whether a valid server configuration was at hand.
    bool configured = false;
};

// Sends stored rows to the BI server: takes a valid configuration (the stored one, or a
// fresh one from "/init/<rows>/"), then posts batches of the oldest rows to "/log/f/"
// and deletes each batch's rows once the server answered 2xx. Runs on the sender thread.
class Uploader {
public:
    static constexpr int MaxAttempts = 3;
    static constexpr int MaxRowsPerFlush = 500;

    // Told once per kind of failure ("config", "upload") where the server answered
    // but not as it should.
    using ErrorSink
        = std::function<void(const std::string &environment, const std::string &type, const std::string &message)>;

    Uploader(LogStore &store, HttpsClient &client, const std::atomic<bool> &stop, ErrorSink errorSink);

    // host is "name[:port]"; an empty host sends nothing.
    FlushReport flush(const std::string &host, const std::string &environment);

private:
    std::optional<ServerConfig> configuration(
        const std::string &baseUrl, const std::string &environment, FlushReport &report);
    void reportError(const std::string &environment, const std::string &type, const std::string &message);

    LogStore &m_store;
    HttpsClient &m_client;
    const std::atomic<bool> &m_stop;
    ErrorSink m_errorSink;
    std::set<std::string> m_reported;
    // The stored configuration's end of validity, computed once.
    std::optional<std::int64_t> m_validUntil;
};

} // namespace bilogger
