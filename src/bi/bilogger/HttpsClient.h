#pragma once

#include <atomic>
#include <string>

namespace bilogger {

struct HttpResponse {
    // 0 when no answer arrived (no network, refused, untrusted certificate, time-out).
    long status = 0;
    std::string body;

    bool succeeded() const { return status >= 200 && status < 300; }
};

// HTTPS POST requests over libcurl: the certificate and host name are verified, no
// proxy is used, redirects are not followed, and every request is bounded in time.
// libcurl is loaded at the first request; without it every request fails. One client
// per thread; it keeps its connection open between requests.
class HttpsClient {
public:
    static constexpr const char *AgentName = "VODEVodero Library Win32";
    static constexpr long ConnectTimeoutSeconds = 10;
    static constexpr long RequestTimeoutSeconds = 30;

    // caFile, when not empty, is the only certificate authority trusted. A request in
    // progress is abandoned as soon as stop becomes true.
    HttpsClient(std::string caFile, const std::atomic<bool> &stop);
    ~HttpsClient();
    HttpsClient(const HttpsClient &) = delete;
    HttpsClient &operator=(const HttpsClient &) = delete;

    HttpResponse post(const std::string &url, const std::string &body);

private:
    const std::string m_caFile;
    const std::atomic<bool> &m_stop;
    void *m_curl = nullptr;
    std::string m_received;
};

} // namespace bilogger
