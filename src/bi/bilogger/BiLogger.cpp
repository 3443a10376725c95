#include "bilogger/BiLogger.h"

#include "bilogger/HttpsClient.h"
#include "bilogger/LogStore.h"
#include "bilogger/SenderThread.h"

#include <ctime>
#include <filesystem>
#include <iostream>

namespace bilogger {

namespace {

// Stores one content, retrying a failed write up to SaveTries times; while the store is
// busy (another connection holds it) and waitUntil is given, for as long as it stays false.
bool saveContent(LogStore &store, std::int64_t timestamp, const std::string &environment, const std::string &content,
    const std::atomic<bool> *waitUntil = nullptr)
{
    for (int retry = 0;; ++retry) {
        const int result = store.save(timestamp, environment, content);
        if (result == 0)
            return true;
        std::cerr << "save log fail, result = " << result << ", retry = " << retry << std::endl;
        const bool waiting = waitUntil && !*waitUntil && LogStore::isBusy(result);
        if (!waiting && retry + 1 >= BiLogger::SaveTries)
            return false;
    }
}

// Stores one record with the standard keys.
bool saveRecord(LogStore &store, const RecordWriter &writer, const ClientInfo &client, const BiRecord &record,
    const std::string &appId, const std::string &environment)
{
    const std::int64_t timestamp = std::time(nullptr);
    return saveContent(store, timestamp, environment, writer.content(record, client, appId, environment, timestamp));
}

} // namespace

struct BiLogger::Session {
    Session(std::string appId, ClientInfo client, Endpoints endpoints)
        : appId(std::move(appId))
        , client(std::move(client))
        , endpoints(std::move(endpoints))
        , store(&stopping)
        , https(this->endpoints.caFile, stopping)
        , uploader(store, https, stopping,
              [this](const std::string &environment, const std::string &type, const std::string &message) {
                  BiRecord record(ErrorCategory);
                  record.add("error_message", message);
                  record.add("error_type", type);
                  record.add("error_appid", this->appId);
                  // The sender thread has a writer of its own.
                  saveRecord(store, errorWriter, this->client, record, ErrorAppId, environment);
              })
    {
    }

    ~Session()
    {
        stopping = true;
        sender.stop();
    }

    // Runs on the sender thread.
    FlushReport upload(const std::string &host, const std::string &environment)
    {
        const FlushReport report = uploader.flush(host, environment);
        store.checkpoint();
        return report;
    }

    const std::string appId;
    const ClientInfo client;
    const Endpoints endpoints;
    std::atomic<bool> stopping { false };
    // The flush waiting in the sender's queue, if any.
    std::atomic<bool> flushQueued { false };
    std::shared_future<FlushReport> queuedFlush;
    // Requests for a look at the store; of those waiting, only the latest one runs.
    std::atomic<std::uint64_t> looks { 0 };
    LogStore store;
    RecordWriter writer;
    RecordWriter errorWriter;
    HttpsClient https;
    Uploader uploader;
    SenderThread sender;
};

std::string BiLogger::version()
{
    return "1.3.0";
}

BiLogger::BiLogger() = default;

BiLogger::~BiLogger()
{
    shutdown();
}

bool BiLogger::init(
    const std::string &storagePath, const std::string &appId, const ClientInfo &client, const Endpoints &endpoints)
{
    std::lock_guard<std::mutex> lock(m_mutex);
    if (m_session)
        return true;
    std::error_code error;
    if (appId.empty()) {
        std::cerr << "AppID cannot be empty while calling BiLogger::init()" << std::endl;
    } else if (storagePath.empty() || !std::filesystem::is_directory(storagePath, error)) {
        std::cerr << "Invalid storage path: [" << storagePath << "], please make sure it is correct." << std::endl;
    } else {
        auto session = std::make_unique<Session>(appId, client, endpoints);
        if (session->store.open(storagePath)) {
            m_session = std::move(session);
            return true;
        }
    }
    std::cerr << "init fail, BiLogger will not function." << std::endl;
    return false;
}

bool BiLogger::isInitialized() const
{
    std::lock_guard<std::mutex> lock(m_mutex);
    return m_session != nullptr;
}

void BiLogger::useStageEnvironment()
{
    std::lock_guard<std::mutex> lock(m_mutex);
    m_stage = true;
}

std::string BiLogger::environment() const
{
    return m_stage ? StageEnvironment : DefaultEnvironment;
}

std::string BiLogger::host() const
{
    return m_stage ? m_session->endpoints.stageHost : m_session->endpoints.productionHost;
}

bool BiLogger::hasSession() const
{
    if (m_session)
        return true;
    std::cerr << "BiLogger is not initialized. Please call init() first." << std::endl;
    return false;
}

std::optional<BiRecord> BiLogger::createRecord(const std::string &category) const
{
    std::lock_guard<std::mutex> lock(m_mutex);
    if (!hasSession())
        return std::nullopt;
    return BiRecord(category);
}

bool BiLogger::submit(const BiRecord &record)
{
    std::lock_guard<std::mutex> lock(m_mutex);
    if (!hasSession())
        return false;
    Session &session = *m_session;
    return saveRecord(session.store, session.writer, session.client, record, session.appId, environment());
}

std::shared_future<bool> BiLogger::submitQueued(const BiRecord &record)
{
    std::lock_guard<std::mutex> lock(m_mutex);
    auto stored = std::make_shared<std::promise<bool>>();
    std::shared_future<bool> answer = stored->get_future().share();
    if (!hasSession()) {
        stored->set_value(false);
        return answer;
    }
    Session &session = *m_session;
    const std::int64_t timestamp = std::time(nullptr);
    std::string content = session.writer.content(record, session.client, session.appId, environment(), timestamp);
    session.sender.post([&session, stored, timestamp, environment = environment(), content = std::move(content)] {
        stored->set_value(saveContent(session.store, timestamp, environment, content, &session.stopping));
    });
    return answer;
}

std::int64_t BiLogger::rowCount() const
{
    std::lock_guard<std::mutex> lock(m_mutex);
    return m_session ? m_session->store.count(environment()) : 0;
}

std::shared_future<FlushReport> BiLogger::flush()
{
    std::lock_guard<std::mutex> lock(m_mutex);
    if (!m_session) {
        std::promise<FlushReport> none;
        none.set_value(FlushReport());
        return none.get_future().share();
    }
    Session &session = *m_session;
    if (session.flushQueued)
        return session.queuedFlush;
    auto promise = std::make_shared<std::promise<FlushReport>>();
    session.queuedFlush = promise->get_future().share();
    session.flushQueued = true;
    session.sender.post([&session, promise, host = host(), environment = environment()] {
        session.flushQueued = false;
        promise->set_value(session.upload(host, environment));
    });
    return session.queuedFlush;
}

void BiLogger::flushStoredQueued(std::function<void(std::int64_t rows)> rowsFound)
{
    std::lock_guard<std::mutex> lock(m_mutex);
    if (!m_session)
        return;
    Session &session = *m_session;
    const std::uint64_t look = ++session.looks;
    session.sender.post([&session, look, rowsFound = std::move(rowsFound), host = host(), environment = environment()] {
        if (look != session.looks)
            return;
        const std::int64_t rows = session.store.count(environment);
        if (rows <= 0)
            return;
        rowsFound(rows);
        session.upload(host, environment);
    });
}

void BiLogger::shutdown()
{
    std::unique_ptr<Session> session;
    {
        std::lock_guard<std::mutex> lock(m_mutex);
        session.swap(m_session);
    }
    // Stops the sender thread before the store closes.
    session.reset();
}

} // namespace bilogger
