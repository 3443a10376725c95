#pragma once

#include <atomic>
#include <cstdint>
#include <mutex>
#include <string>
#include <vector>

struct sqlite3;
struct sqlite3_stmt;

namespace bilogger {

struct StoredRow {
    std::int64_t id = 0;
    std::string content;
};

// The "server_config" row: the server's last configuration answer and its validity.
struct StoredConfig {
    std::string config = "{}";
    std::int64_t validCountdown = 0;
    std::int64_t expireEpoch = 0;
};

// The local store of records: the SQLite file ".bilogclient" in the storage folder.
// Every call is one transaction, so a process killed at any moment leaves a consistent
// file in which each row either is complete or is not there. A store held by another
// connection is waited for up to BusyTimeoutMs per call. Thread-safe.
class LogStore {
public:
    static constexpr int SchemaVersion = 2;
    static constexpr int MaxRows = 10000;
    static constexpr int BusyTimeoutMs = 5000;
    static constexpr const char *FileName = ".bilogclient";

    // Whether a result code means another connection held the store too long.
    static bool isBusy(int result);

    // A wait for a busy store ends at once when stop, if given, is set.
    explicit LogStore(const std::atomic<bool> *stop = nullptr)
        : m_stop(stop)
    {
    }
    ~LogStore();
    LogStore(const LogStore &) = delete;
    LogStore &operator=(const LogStore &) = delete;

    // Opens or creates the database in folder and brings its schema to SchemaVersion.
    bool open(const std::string &folder);
    void close();

    // Stores one record; a content already stored is kept once. Returns the SQLite
    // result code: SQLITE_OK (0) on success.
    int save(std::int64_t timestamp, const std::string &environment, const std::string &content);
    std::int64_t count(const std::string &environment) const;
    // The oldest rows of one environment, by "timestamp" then "_ID".
    std::vector<StoredRow> oldest(const std::string &environment, int limit) const;
    bool remove(const std::vector<std::int64_t> &ids);
    // Copies the write-ahead log into the database file.
    void checkpoint();

    StoredConfig config() const;
    bool setConfig(const StoredConfig &config);
    int schemaVersion() const;

private:
    bool exec(const char *sql) const;
    // Rolls the open transaction back and answers false.
    bool rollback() const;
    bool migrate();

    const std::atomic<bool> *const m_stop;
    mutable std::mutex m_mutex;
    sqlite3 *m_db = nullptr;
    sqlite3_stmt *m_insert = nullptr;
};

} // namespace bilogger
