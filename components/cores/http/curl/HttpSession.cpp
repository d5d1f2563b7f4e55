#include "components/cores/http/curl/HttpSession.h"

#include "components/cores/common/CoreError.h"
#include "components/cores/common/CoreObject.h"
#include "components/cores/http/HttpLimits.h"
#include "components/cores/http/LocalFile.h"
#include "components/cores/http/ResponseHead.h"
#include "components/cores/http/TransferUrl.h"
#include "components/cores/http/curl/ConnectionShare.h"
#include "components/cores/http/curl/CurlLibrary.h"
#include "components/cores/http/curl/TrustStore.h"
#include "components/cores/netcomp_api.h"

#include <cstdio>
#include <curl/curl.h>
#include <openssl/ssl.h>

namespace netcomp::http {

namespace {

constexpr int kInterrupted = -1;
constexpr long kPollMilliseconds = 20;
constexpr char kAcceptedEncodings[] = "gzip, deflate";

CURLcode installTrustStore(CURL*, void* sslContext, void*)
{
    X509_STORE* store = sharedTrustStore();
    if (!store) {
        return CURLE_OUT_OF_MEMORY;
    }
    SSL_CTX_set1_cert_store(static_cast<SSL_CTX*>(sslContext), store);
    return CURLE_OK;
}

template <class Value> void require(CURL* easy, CURLoption option, Value value)
{
    const CURLcode code = curl_easy_setopt(easy, option, value);
    if (code != CURLE_OK) {
        throw core::CoreError(NETCOMP_ERR_TRANSPORT,
                              asSentence(std::string("The HTTP library lacks a needed feature (") +
                                         curl_easy_strerror(code) + ")"));
    }
}

} // namespace

HttpSession::HttpSession(TransferObserver& observer)
    : m_observer(observer), m_errorBuffer(CURL_ERROR_SIZE + 1, '\0')
{
    initialiseCurl();
    m_easy = curl_easy_init();
    m_multi = curl_multi_init();
    if (!m_easy || !m_multi) {
        curl_easy_cleanup(m_easy);
        curl_multi_cleanup(m_multi);
        throw outOfMemoryFailure();
    }
    try {
        CURL* easy = m_easy;
        require(easy, CURLOPT_PROTOCOLS_STR, "https");
        require(easy, CURLOPT_REDIR_PROTOCOLS_STR, "https");
        require(easy, CURLOPT_FOLLOWLOCATION, 0L);
        require(easy, CURLOPT_HTTP_VERSION, static_cast<long>(CURL_HTTP_VERSION_1_1));
        require(easy, CURLOPT_NOSIGNAL, 1L);
        // Direct connections only: no proxy from the environment.
        require(easy, CURLOPT_PROXY, "");
        require(easy, CURLOPT_SSLVERSION, static_cast<long>(CURL_SSLVERSION_TLSv1_2));
        require(easy, CURLOPT_SSL_VERIFYPEER, 1L);
        require(easy, CURLOPT_SSL_VERIFYHOST, 2L);
        require(easy, CURLOPT_CAINFO, static_cast<const char*>(nullptr));
        require(easy, CURLOPT_CAPATH, static_cast<const char*>(nullptr));
        require(easy, CURLOPT_SSL_CTX_FUNCTION, &installTrustStore);
        require(easy, CURLOPT_MAXFILESIZE_LARGE, static_cast<curl_off_t>(kMaxBodyBytes));
        require(easy, CURLOPT_HEADERFUNCTION, &HttpSession::headerCallback);
        require(easy, CURLOPT_HEADERDATA, this);
        require(easy, CURLOPT_WRITEFUNCTION, &HttpSession::bodyCallback);
        require(easy, CURLOPT_WRITEDATA, this);
        require(easy, CURLOPT_ERRORBUFFER, m_errorBuffer.data());
        if (CURLSH* share = m_connections.share()) {
            require(easy, CURLOPT_SHARE, share);
        }
    } catch (...) {
        curl_easy_cleanup(m_easy);
        curl_multi_cleanup(m_multi);
        throw;
    }
}

HttpSession::~HttpSession()
{
    curl_easy_cleanup(m_easy);
    curl_multi_cleanup(m_multi);
}

void HttpSession::interrupt()
{
    m_interruptRequested = true;
    curl_multi_wakeup(m_multi);
}

void HttpSession::perform(Method method, std::string_view url, const TransferSettings& settings)
{
    if (m_busy) {
        throw core::failure(NETCOMP_ERR_BUSY);
    }
    const TransferUrl parts = parseTransferUrl(url);

    struct BusyScope {
        bool& busy;
        explicit BusyScope(bool& flag) : busy(flag) { busy = true; }
        ~BusyScope() { busy = false; }
    } busyScope(m_busy);

    m_result = {};
    m_pending.clear();
    m_abortReason = AbortReason::None;
    m_headerBytes = 0;
    m_headEnded = false;
    m_headConsistency = {};
    m_interruptRequested = false;
    m_errorBuffer[0] = '\0';

    configure(method, parts, settings);
    const int code = drive();
    finish(method, code, settings);
}

void HttpSession::configure(Method method, const TransferUrl& url, const TransferSettings& settings)
{
    CURL* easy = m_easy;
    const long timeoutMs = static_cast<long>(settings.timeoutSeconds) * 1000L;
    require(easy, CURLOPT_URL, (url.origin + "/").c_str());
    require(easy, CURLOPT_REQUEST_TARGET, url.target.c_str());
    if (method == Method::Head) {
        require(easy, CURLOPT_NOBODY, 1L);
    } else {
        require(easy, CURLOPT_HTTPGET, 1L);
    }
    require(easy, CURLOPT_ACCEPT_ENCODING,
            settings.allowCompression ? kAcceptedEncodings : static_cast<const char*>(nullptr));
    require(easy, CURLOPT_TIMEOUT_MS, timeoutMs);
    require(easy, CURLOPT_CONNECTTIMEOUT_MS, timeoutMs);
}

int HttpSession::drive()
{
    CURLM* multi = m_multi;
    CURL* easy = m_easy;
    const CURLMcode added = curl_multi_add_handle(multi, easy);
    if (added != CURLM_OK) {
        std::snprintf(m_errorBuffer.data(), m_errorBuffer.size(), "%s", curl_multi_strerror(added));
        return CURLE_FAILED_INIT;
    }
    struct Detach {
        CURLM* multi;
        CURL* easy;
        ~Detach() { curl_multi_remove_handle(multi, easy); }
    } detach{multi, easy};

    for (;;) {
        int running = 0;
        CURLMcode status = curl_multi_perform(multi, &running);
        dispatchEvents();
        if (status == CURLM_OK && (m_interruptRequested || running == 0)) {
            break;
        }
        if (status == CURLM_OK) {
            status = curl_multi_poll(multi, nullptr, 0, kPollMilliseconds, nullptr);
        }
        if (status != CURLM_OK) {
            std::snprintf(m_errorBuffer.data(), m_errorBuffer.size(), "%s",
                          curl_multi_strerror(status));
            return CURLE_FAILED_INIT;
        }
        m_observer.onDoEvents();
        if (m_interruptRequested) {
            break;
        }
    }
    if (m_interruptRequested) {
        return kInterrupted;
    }

    int left = 0;
    while (CURLMsg* message = curl_multi_info_read(multi, &left)) {
        if (message->msg == CURLMSG_DONE && message->easy_handle == easy) {
            return message->data.result;
        }
    }
    return CURLE_OK;
}

void HttpSession::dispatchEvents()
{
    std::vector<PendingEvent> events;
    events.swap(m_pending);
    for (const PendingEvent& event : events) {
        switch (event.kind) {
        case PendingEvent::Kind::Status:
            m_observer.onStatus(event.first, event.code, event.second);
            break;
        case PendingEvent::Kind::Header:
            m_observer.onHeader(event.first, event.second);
            break;
        case PendingEvent::Kind::Body:
            if (event.end <= m_result.body.size()) {
                m_observer.onTransfer(
                    static_cast<int64_t>(event.end),
                    std::string_view(m_result.body).substr(event.begin, event.end - event.begin));
            }
            break;
        }
    }
}

void HttpSession::finish(Method method, int curlCode, const TransferSettings& settings)
{
    if (curlCode == kInterrupted) {
        throw core::failure(NETCOMP_ERR_INTERRUPTED);
    }
    if (curlCode != CURLE_OK) {
        CurlFailure failure;
        failure.curlCode = curlCode;
        failure.detail = m_errorBuffer[0] ? std::string(m_errorBuffer.data())
                                          : curl_easy_strerror(static_cast<CURLcode>(curlCode));
        curl_easy_getinfo(static_cast<CURL*>(m_easy), CURLINFO_SSL_VERIFYRESULT,
                          &failure.verifyResult);
        failure.abortReason = m_abortReason;
        failure.timeoutSeconds = settings.timeoutSeconds;
        failure.headEnded = m_headEnded;
        throw transportError(failure);
    }
    if (m_result.statusCode == 0) {
        long code = 0;
        curl_easy_getinfo(static_cast<CURL*>(m_easy), CURLINFO_RESPONSE_CODE, &code);
        m_result.statusCode = static_cast<int>(code);
    }
    if (!isSuccessStatus(m_result.statusCode)) {
        throw core::CoreError(NETCOMP_ERR_HTTP_STATUS,
                              httpStatusErrorText(m_result.statusCode, m_result.reasonPhrase));
    }
    if (method == Method::Get && !settings.localFile.empty()) {
        writeLocalFile(settings.localFile, m_result.body);
    }
}

std::size_t HttpSession::headerCallback(char* data, std::size_t size, std::size_t count,
                                        void* session)
{
    return static_cast<HttpSession*>(session)->takeHeaderLine(std::string_view(data, size * count));
}

std::size_t HttpSession::bodyCallback(char* data, std::size_t size, std::size_t count,
                                      void* session)
{
    return static_cast<HttpSession*>(session)->takeBody(std::string_view(data, size * count));
}

std::size_t HttpSession::takeHeaderLine(std::string_view raw)
{
    m_headerBytes += raw.size();
    if (m_headerBytes > kMaxHeaderBytes) {
        m_abortReason = AbortReason::HeaderTooLarge;
        return 0;
    }
    std::string_view line = raw;
    while (!line.empty() && (line.back() == '\n' || line.back() == '\r')) {
        line.remove_suffix(1);
    }
    if (line.empty()) {
        m_headEnded = true;
    }
    if (line.empty() || line.front() == ' ' || line.front() == '\t') {
        return raw.size();
    }
    if (!m_headConsistency.accept(line)) {
        m_abortReason = AbortReason::MalformedAnswer;
        return 0;
    }

    if (const auto status = parseStatusLine(line)) {
        // A new response begins (an interim 1xx answer may come before the final one).
        m_headEnded = false;
        m_result.statusLine.assign(line);
        m_result.statusCode = status->code;
        m_result.reasonPhrase.assign(status->reason);
        m_result.contentType.clear();
        m_pending.push_back({PendingEvent::Kind::Status, std::string(status->version),
                             std::string(status->reason), status->code, 0, 0});
        return raw.size();
    }

    const auto header = parseHeaderField(line);
    if (!header) {
        return raw.size();
    }
    const std::string_view field = header->field;
    const std::string_view value = header->value;
    if (core::equalsIgnoringCase(field, "Content-Type")) {
        m_result.contentType.assign(value);
    }
    m_pending.push_back(
        {PendingEvent::Kind::Header, std::string(field), std::string(value), 0, 0, 0});
    return raw.size();
}

std::size_t HttpSession::takeBody(std::string_view chunk)
{
    if (chunk.size() > kMaxBodyBytes - m_result.body.size()) {
        m_abortReason = AbortReason::BodyTooLarge;
        return 0;
    }
    const std::size_t begin = m_result.body.size();
    m_result.body.append(chunk);
    m_pending.push_back({PendingEvent::Kind::Body, {}, {}, 0, begin, m_result.body.size()});
    return chunk.size();
}

} // namespace netcomp::http
