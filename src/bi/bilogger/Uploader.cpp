#include "bilogger/Uploader.h"

#include "bilogger/Batch.h"
#include "bilogger/Gzip.h"

#include <ctime>

namespace bilogger {

namespace {

bool isHttpsUrl(const std::string &url)
{
    return url.rfind("https://", 0) == 0;
}

std::string withoutTrailingSlash(std::string url)
{
    while (!url.empty() && url.back() == '/')
        url.pop_back();
    return url;
}

} // namespace

Uploader::Uploader(LogStore &store, HttpsClient &client, const std::atomic<bool> &stop, ErrorSink errorSink)
    : m_store(store)
    , m_client(client)
    , m_stop(stop)
    , m_errorSink(std::move(errorSink))
{
}

void Uploader::reportError(const std::string &environment, const std::string &type, const std::string &message)
{
    if (m_reported.insert(type).second)
        m_errorSink(environment, type, message);
}

std::optional<ServerConfig> Uploader::configuration(
    const std::string &baseUrl, const std::string &environment, FlushReport &report)
{
    const std::int64_t now = std::time(nullptr);
    StoredConfig stored = m_store.config();
    if (!m_validUntil)
        m_validUntil = validityEnd(stored, now);
    if (*m_validUntil > now) {
        if (const auto config = ServerConfig::parse(stored.config)) {
            stored.validCountdown = *m_validUntil - now;
            m_store.setConfig(stored);
            return config;
        }
    }

    const std::string url = baseUrl + "/init/" + std::to_string(m_store.count(environment)) + "/";
    for (int attempt = 0; attempt < MaxAttempts && !m_stop; ++attempt) {
        const HttpResponse response = m_client.post(url, std::string());
        if (!response.succeeded()) {
            ++report.failedAttempts;
            continue;
        }
        const auto config = ServerConfig::parse(response.body);
        if (!config) {
            reportError(environment, "config", "Invalid configuration from " + url);
            return std::nullopt;
        }
        m_store.setConfig(freshConfig(response.body, *config, now));
        m_validUntil = now + config->expireTime;
        return config;
    }
    return std::nullopt;
}

FlushReport Uploader::flush(const std::string &host, const std::string &environment)
{
    FlushReport report;
    if (host.empty() || m_stop)
        return report;
    const std::string hostUrl = "https://" + host;
    const auto config = configuration(hostUrl, environment, report);
    if (!config)
        return report;
    report.configured = true;

    const std::string url = (isHttpsUrl(config->url) ? withoutTrailingSlash(config->url) : hostUrl) + "/log/f/";
    int failures = 0;
    while (!m_stop && report.sentRows < MaxRowsPerFlush && failures < MaxAttempts) {
        const int limit = std::min(config->packageLine, MaxRowsPerFlush - report.sentRows);
        const Batch batch = makeBatch(m_store.oldest(environment, limit), config->packageSize, config->packageLine);
        if (batch.ids.empty())
            break;
        const std::string body = config->compress ? gzip(batch.body) : batch.body;
        if (body.empty())
            break;
        const HttpResponse response = m_client.post(url, body);
        if (!response.succeeded()) {
            ++report.failedAttempts;
            if (++failures == MaxAttempts && response.status != 0)
                reportError(environment, "upload", "HTTP status " + std::to_string(response.status) + " from " + url);
            continue;
        }
        failures = 0;
        if (!m_store.remove(batch.ids))
            break;
        report.sentRows += int(batch.ids.size());
    }
    return report;
}

} // namespace bilogger
