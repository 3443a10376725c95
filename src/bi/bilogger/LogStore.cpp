#include "bilogger/LogStore.h"

#include <sqlite3.h>

#include <chrono>
#include <iostream>
#include <thread>

namespace bilogger {

namespace {

// A prepared statement that finalises itself.
class Statement {
public:
    Statement(sqlite3 *db, const char *sql) { sqlite3_prepare_v2(db, sql, -1, &m_stmt, nullptr); }
    ~Statement() { sqlite3_finalize(m_stmt); }
    Statement(const Statement &) = delete;
    Statement &operator=(const Statement &) = delete;
    operator sqlite3_stmt *() const { return m_stmt; }
    bool valid() const { return m_stmt != nullptr; }

private:
    sqlite3_stmt *m_stmt = nullptr;
};

void bindText(sqlite3_stmt *stmt, int index, const std::string &text)
{
    sqlite3_bind_text(stmt, index, text.data(), int(text.size()), SQLITE_TRANSIENT);
}

std::string columnText(sqlite3_stmt *stmt, int column)
{
    const auto *text = reinterpret_cast<const char *>(sqlite3_column_text(stmt, column));
    return text ? std::string(text, size_t(sqlite3_column_bytes(stmt, column))) : std::string();
}

// Version 1 held the tables and the overflow trigger; version 2 keeps each content once
// (existing duplicates give way to the lowest "_ID") and indexes the send order. The
// small "timestamp" index also serves the trigger's row count. The count is skipped while
// the span of "_ID" values shows there cannot be more rows than the limit (MaxRows),
// which keeps storing fast. Each open brings the trigger to its current form.
const char *const Schema = R"sql(
CREATE TABLE IF NOT EXISTS bi_logs (_ID INTEGER PRIMARY KEY, timestamp INT, environment TEXT, content TEXT);
CREATE TABLE IF NOT EXISTS schema_ver (version INT);
CREATE TABLE IF NOT EXISTS server_config (config TEXT, valid_countdown INT, expire_epoch INT);
INSERT INTO server_config SELECT '{}', 0, 0 WHERE NOT EXISTS (SELECT 1 FROM server_config);
DROP TRIGGER IF EXISTS DeleteOneRecordOnOverflow;
CREATE TRIGGER DeleteOneRecordOnOverflow AFTER INSERT ON bi_logs
    WHEN NEW._ID - (SELECT MIN(_ID) FROM bi_logs) >= 10000 AND (SELECT COUNT(*) FROM bi_logs) > 10000
BEGIN
    DELETE FROM bi_logs WHERE _ID IN
        (SELECT _ID FROM bi_logs ORDER BY timestamp, _ID LIMIT (SELECT COUNT(*) FROM bi_logs) - 10000);
END;
DELETE FROM bi_logs WHERE _ID NOT IN (SELECT MIN(_ID) FROM bi_logs GROUP BY content);
CREATE UNIQUE INDEX IF NOT EXISTS bi_logs_content ON bi_logs (content);
CREATE INDEX IF NOT EXISTS bi_logs_time ON bi_logs (timestamp);
)sql";

constexpr int BusyStepMs = 10;

// SQLite's busy handler: waits in short steps for up to BusyTimeoutMs, and not at all
// once the owner's stop flag (stop, may be null) is set.
int waitWhileBusy(void *stop, int calls)
{
    const auto *stopping = static_cast<const std::atomic<bool> *>(stop);
    if ((stopping && *stopping) || calls >= LogStore::BusyTimeoutMs / BusyStepMs)
        return 0;
    std::this_thread::sleep_for(std::chrono::milliseconds(BusyStepMs));
    return 1;
}

} // namespace

bool LogStore::isBusy(int result)
{
    return result == SQLITE_BUSY || result == SQLITE_LOCKED;
}

LogStore::~LogStore()
{
    close();
}

bool LogStore::exec(const char *sql) const
{
    char *message = nullptr;
    const int rc = sqlite3_exec(m_db, sql, nullptr, nullptr, &message);
    if (rc != SQLITE_OK)
        std::cerr << "SQLite error " << rc << ": " << (message ? message : "") << std::endl;
    sqlite3_free(message);
    return rc == SQLITE_OK;
}

bool LogStore::rollback() const
{
    exec("ROLLBACK");
    return false;
}

bool LogStore::open(const std::string &folder)
{
    std::lock_guard<std::mutex> lock(m_mutex);
    const std::string path = folder + '/' + FileName;
    if (sqlite3_open_v2(path.c_str(), &m_db, SQLITE_OPEN_READWRITE | SQLITE_OPEN_CREATE | SQLITE_OPEN_NOMUTEX, nullptr)
        != SQLITE_OK) {
        std::cerr << "Cannot open " << path << ": " << sqlite3_errmsg(m_db) << std::endl;
        sqlite3_close(m_db);
        m_db = nullptr;
        return false;
    }
    sqlite3_busy_handler(m_db, waitWhileBusy, const_cast<std::atomic<bool> *>(m_stop));
    // WAL without a sync on every commit: a killed process loses nothing that was
    // committed, and storing stays fast. The syncing checkpoints run after each flush
    // (checkpoint()); the automatic one only bounds the log of a store never flushed.
    if (!exec("PRAGMA journal_mode=WAL; PRAGMA synchronous=NORMAL; PRAGMA wal_autocheckpoint=8000;") || !migrate()
        || sqlite3_prepare_v2(m_db,
               "INSERT OR IGNORE INTO bi_logs (timestamp, environment, content) VALUES (?1, ?2, ?3)", -1, &m_insert,
               nullptr)
            != SQLITE_OK) {
        sqlite3_close(m_db);
        m_db = nullptr;
        return false;
    }
    return true;
}

bool LogStore::migrate()
{
    if (!exec("BEGIN IMMEDIATE"))
        return false;
    if (!exec(Schema))
        return rollback();
    Statement select(m_db, "SELECT version FROM schema_ver LIMIT 1");
    const bool hasVersion = select.valid() && sqlite3_step(select) == SQLITE_ROW;
    if (!hasVersion || sqlite3_column_int(select, 0) != SchemaVersion) {
        const std::string update = hasVersion ? "UPDATE schema_ver SET version = " + std::to_string(SchemaVersion)
                                              : "INSERT INTO schema_ver VALUES (" + std::to_string(SchemaVersion) + ")";
        if (!exec(update.c_str()))
            return rollback();
    }
    return exec("COMMIT");
}

void LogStore::close()
{
    std::lock_guard<std::mutex> lock(m_mutex);
    sqlite3_finalize(m_insert);
    m_insert = nullptr;
    sqlite3_close(m_db);
    m_db = nullptr;
}

int LogStore::save(std::int64_t timestamp, const std::string &environment, const std::string &content)
{
    std::lock_guard<std::mutex> lock(m_mutex);
    if (!m_insert)
        return SQLITE_MISUSE;
    sqlite3_reset(m_insert);
    sqlite3_bind_int64(m_insert, 1, timestamp);
    bindText(m_insert, 2, environment);
    bindText(m_insert, 3, content);
    const int rc = sqlite3_step(m_insert);
    sqlite3_reset(m_insert);
    return rc == SQLITE_DONE ? SQLITE_OK : rc;
}

std::int64_t LogStore::count(const std::string &environment) const
{
    std::lock_guard<std::mutex> lock(m_mutex);
    Statement stmt(m_db, "SELECT COUNT(*) FROM bi_logs WHERE environment = ?1");
    if (!stmt.valid())
        return 0;
    bindText(stmt, 1, environment);
    return sqlite3_step(stmt) == SQLITE_ROW ? sqlite3_column_int64(stmt, 0) : 0;
}

std::vector<StoredRow> LogStore::oldest(const std::string &environment, int limit) const
{
    std::lock_guard<std::mutex> lock(m_mutex);
    std::vector<StoredRow> rows;
    Statement stmt(m_db, "SELECT _ID, content FROM bi_logs WHERE environment = ?1 ORDER BY timestamp, _ID LIMIT ?2");
    if (!stmt.valid())
        return rows;
    bindText(stmt, 1, environment);
    sqlite3_bind_int(stmt, 2, limit);
    while (sqlite3_step(stmt) == SQLITE_ROW)
        rows.push_back({ sqlite3_column_int64(stmt, 0), columnText(stmt, 1) });
    return rows;
}

bool LogStore::remove(const std::vector<std::int64_t> &ids)
{
    std::lock_guard<std::mutex> lock(m_mutex);
    if (!m_db || !exec("BEGIN IMMEDIATE"))
        return false;
    Statement stmt(m_db, "DELETE FROM bi_logs WHERE _ID = ?1");
    bool ok = stmt.valid();
    for (size_t i = 0; ok && i < ids.size(); ++i) {
        sqlite3_reset(stmt);
        sqlite3_bind_int64(stmt, 1, ids[i]);
        ok = sqlite3_step(stmt) == SQLITE_DONE;
    }
    return ok ? exec("COMMIT") : rollback();
}

void LogStore::checkpoint()
{
    std::lock_guard<std::mutex> lock(m_mutex);
    if (m_db)
        exec("PRAGMA wal_checkpoint(PASSIVE)");
}

StoredConfig LogStore::config() const
{
    std::lock_guard<std::mutex> lock(m_mutex);
    StoredConfig config;
    Statement stmt(m_db, "SELECT config, valid_countdown, expire_epoch FROM server_config LIMIT 1");
    if (stmt.valid() && sqlite3_step(stmt) == SQLITE_ROW)
        config = { columnText(stmt, 0), sqlite3_column_int64(stmt, 1), sqlite3_column_int64(stmt, 2) };
    return config;
}

bool LogStore::setConfig(const StoredConfig &config)
{
    std::lock_guard<std::mutex> lock(m_mutex);
    Statement stmt(m_db, "UPDATE server_config SET config = ?1, valid_countdown = ?2, expire_epoch = ?3");
    if (!stmt.valid())
        return false;
    bindText(stmt, 1, config.config);
    sqlite3_bind_int64(stmt, 2, config.validCountdown);
    sqlite3_bind_int64(stmt, 3, config.expireEpoch);
    return sqlite3_step(stmt) == SQLITE_DONE;
}

int LogStore::schemaVersion() const
{
    std::lock_guard<std::mutex> lock(m_mutex);
    Statement stmt(m_db, "SELECT version FROM schema_ver LIMIT 1");
    return stmt.valid() && sqlite3_step(stmt) == SQLITE_ROW ? sqlite3_column_int(stmt, 0) : 0;
}

} // namespace bilogger
