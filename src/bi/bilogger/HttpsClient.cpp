#include "bilogger/HttpsClient.h"

#include <curl/curl.h>

#include <iostream>
#include <mutex>
#include <new>

namespace bilogger {

namespace {

size_t onData(char *data, size_t size, size_t count, void *receivedPointer)
{
    std::string &received = *static_cast<std::string *>(receivedPointer);
    const size_t bytes = size * count;
    try {
        received.append(data, bytes);
    } catch (const std::bad_alloc &) {
        std::cerr << "Out of memory on reading https response; trying to allocate " << received.size() + bytes
                  << " bytes." << std::endl;
        return 0;
    }
    return bytes;
}

int onProgress(void *stopPointer, curl_off_t, curl_off_t, curl_off_t, curl_off_t)
{
    return static_cast<const std::atomic<bool> *>(stopPointer)->load() ? 1 : 0;
}

} // namespace

HttpsClient::HttpsClient(std::string caFile, const std::atomic<bool> &stop)
    : m_caFile(std::move(caFile))
    , m_stop(stop)
{
    static std::once_flag globalInit;
    std::call_once(globalInit, [] { curl_global_init(CURL_GLOBAL_DEFAULT); });
    m_curl = curl_easy_init();
}

HttpsClient::~HttpsClient()
{
    curl_easy_cleanup(m_curl);
}

HttpResponse HttpsClient::post(const std::string &url, const std::string &body)
{
    HttpResponse response;
    CURL *curl = m_curl;
    if (!curl)
        return response;
    curl_easy_reset(curl);
    m_received.clear();
    // No headers beyond the request line, host, agent and length.
    curl_slist *headers = curl_slist_append(nullptr, "Content-Type:");
    headers = curl_slist_append(headers, "Accept:");
    headers = curl_slist_append(headers, "Expect:");

    curl_easy_setopt(curl, CURLOPT_URL, url.c_str());
    curl_easy_setopt(curl, CURLOPT_PROTOCOLS_STR, "https");
    curl_easy_setopt(curl, CURLOPT_POST, 1L);
    curl_easy_setopt(curl, CURLOPT_POSTFIELDS, body.data());
    curl_easy_setopt(curl, CURLOPT_POSTFIELDSIZE_LARGE, curl_off_t(body.size()));
    curl_easy_setopt(curl, CURLOPT_HTTPHEADER, headers);
    curl_easy_setopt(curl, CURLOPT_USERAGENT, AgentName);
    curl_easy_setopt(curl, CURLOPT_PROXY, "");
    curl_easy_setopt(curl, CURLOPT_NOPROXY, "*");
    curl_easy_setopt(curl, CURLOPT_SSL_VERIFYPEER, 1L);
    curl_easy_setopt(curl, CURLOPT_SSL_VERIFYHOST, 2L);
    if (!m_caFile.empty())
        curl_easy_setopt(curl, CURLOPT_CAINFO, m_caFile.c_str());
    curl_easy_setopt(curl, CURLOPT_FOLLOWLOCATION, 0L);
    curl_easy_setopt(curl, CURLOPT_CONNECTTIMEOUT, ConnectTimeoutSeconds);
    curl_easy_setopt(curl, CURLOPT_TIMEOUT, RequestTimeoutSeconds);
    curl_easy_setopt(curl, CURLOPT_NOSIGNAL, 1L);
    curl_easy_setopt(curl, CURLOPT_WRITEFUNCTION, &onData);
    curl_easy_setopt(curl, CURLOPT_WRITEDATA, &m_received);
    curl_easy_setopt(curl, CURLOPT_NOPROGRESS, 0L);
    curl_easy_setopt(curl, CURLOPT_XFERINFOFUNCTION, &onProgress);
    curl_easy_setopt(curl, CURLOPT_XFERINFODATA, const_cast<std::atomic<bool> *>(&m_stop));

    const CURLcode rc = curl_easy_perform(curl);
    curl_slist_free_all(headers);
    if (rc != CURLE_OK) {
        std::cerr << "Error " << int(rc) << " in curl_easy_perform." << std::endl;
        return response;
    }
    curl_easy_getinfo(curl, CURLINFO_RESPONSE_CODE, &response.status);
    response.body.swap(m_received);
    return response;
}

} // namespace bilogger
