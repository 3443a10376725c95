#include "bilogger/HttpsClient.h"

#include <curl/curl.h>
#include <dlfcn.h>

#include <iostream>
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

// The libcurl functions the client calls. The library is loaded at the first request
// rather than linked, so that a run that sends nothing never loads it and its
// dependencies; it stays loaded for the rest of the process.
struct Curl {
    CURLcode (*globalInit)(long flags);
    CURL *(*easyInit)();
    void (*easyCleanup)(CURL *curl);
    void (*easyReset)(CURL *curl);
    CURLcode (*easySetopt)(CURL *curl, CURLoption option, ...);
    CURLcode (*easyPerform)(CURL *curl);
    CURLcode (*easyGetinfo)(CURL *curl, CURLINFO info, ...);
    curl_slist *(*slistAppend)(curl_slist *list, const char *text);
    void (*slistFreeAll)(curl_slist *list);
};

template<typename Function> bool resolve(void *library, const char *name, Function &function)
{
    function = reinterpret_cast<Function>(dlsym(library, name));
    return function != nullptr;
}

// Null when the library or one of its functions is missing; says why on standard error.
const Curl *loadCurl()
{
    static const Curl *const loaded = []() -> const Curl * {
        static Curl curl;
        void *library = dlopen("libcurl.so.4", RTLD_NOW | RTLD_LOCAL);
        if (!library || !resolve(library, "curl_global_init", curl.globalInit)
            || !resolve(library, "curl_easy_init", curl.easyInit)
            || !resolve(library, "curl_easy_cleanup", curl.easyCleanup)
            || !resolve(library, "curl_easy_reset", curl.easyReset)
            || !resolve(library, "curl_easy_setopt", curl.easySetopt)
            || !resolve(library, "curl_easy_perform", curl.easyPerform)
            || !resolve(library, "curl_easy_getinfo", curl.easyGetinfo)
            || !resolve(library, "curl_slist_append", curl.slistAppend)
            || !resolve(library, "curl_slist_free_all", curl.slistFreeAll)) {
            std::cerr << "Error " << dlerror() << " in dlopen." << std::endl;
            return nullptr;
        }
        curl.globalInit(CURL_GLOBAL_DEFAULT);
        return &curl;
    }();
    return loaded;
}

} // namespace

HttpsClient::HttpsClient(std::string caFile, const std::atomic<bool> &stop)
    : m_caFile(std::move(caFile))
    , m_stop(stop)
{
}

HttpsClient::~HttpsClient()
{
    if (m_curl)
        loadCurl()->easyCleanup(m_curl);
}

HttpResponse HttpsClient::post(const std::string &url, const std::string &body)
{
    HttpResponse response;
    const Curl *library = loadCurl();
    if (!library)
        return response;
    if (!m_curl)
        m_curl = library->easyInit();
    CURL *curl = m_curl;
    if (!curl)
        return response;
    const auto setopt = library->easySetopt;
    library->easyReset(curl);
    m_received.clear();
    // No headers beyond the request line, host, agent and length.
    curl_slist *headers = library->slistAppend(nullptr, "Content-Type:");
    headers = library->slistAppend(headers, "Accept:");
    headers = library->slistAppend(headers, "Expect:");

    setopt(curl, CURLOPT_URL, url.c_str());
    setopt(curl, CURLOPT_PROTOCOLS_STR, "https");
    setopt(curl, CURLOPT_POST, 1L);
    setopt(curl, CURLOPT_POSTFIELDS, body.data());
    setopt(curl, CURLOPT_POSTFIELDSIZE_LARGE, curl_off_t(body.size()));
    setopt(curl, CURLOPT_HTTPHEADER, headers);
    setopt(curl, CURLOPT_USERAGENT, AgentName);
    setopt(curl, CURLOPT_PROXY, "");
    setopt(curl, CURLOPT_NOPROXY, "*");
    setopt(curl, CURLOPT_SSL_VERIFYPEER, 1L);
    setopt(curl, CURLOPT_SSL_VERIFYHOST, 2L);
    if (!m_caFile.empty())
        setopt(curl, CURLOPT_CAINFO, m_caFile.c_str());
    setopt(curl, CURLOPT_FOLLOWLOCATION, 0L);
    setopt(curl, CURLOPT_CONNECTTIMEOUT, ConnectTimeoutSeconds);
    setopt(curl, CURLOPT_TIMEOUT, RequestTimeoutSeconds);
    setopt(curl, CURLOPT_NOSIGNAL, 1L);
    setopt(curl, CURLOPT_WRITEFUNCTION, &onData);
    setopt(curl, CURLOPT_WRITEDATA, &m_received);
    setopt(curl, CURLOPT_NOPROGRESS, 0L);
    setopt(curl, CURLOPT_XFERINFOFUNCTION, &onProgress);
    setopt(curl, CURLOPT_XFERINFODATA, const_cast<std::atomic<bool> *>(&m_stop));

    const CURLcode rc = library->easyPerform(curl);
    library->slistFreeAll(headers);
    if (rc != CURLE_OK) {
        std::cerr << "Error " << int(rc) << " in curl_easy_perform." << std::endl;
        return response;
    }
    library->easyGetinfo(curl, CURLINFO_RESPONSE_CODE, &response.status);
    response.body.swap(m_received);
    return response;
}

} // namespace bilogger
