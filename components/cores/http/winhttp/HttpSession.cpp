#include "components/cores/http/winhttp/HttpSession.h"

#include "components/codepage/CodePage.h"
#include "components/cores/common/CoreError.h"
#include "components/cores/common/CoreObject.h"
#include "components/cores/http/ContentDecoder.h"
#include "components/cores/http/HttpLimits.h"
#include "components/cores/http/LocalFile.h"
#include "components/cores/http/ResponseHead.h"
#include "components/cores/http/TransferUrl.h"
#include "components/cores/http/winhttp/ServerCertificateCheck.h"
#include "components/cores/http/winhttp/WinHttpErrors.h"
#include "components/cores/netcomp_api.h"

#include <windows.h>

#include <chrono>
#include <condition_variable>
#include <cstdio>
#include <cstdlib>
#include <mutex>
#include <optional>
#include <thread>
#include <vector>
#include <winhttp.h>

namespace netcomp::http {

namespace {

constexpr auto kPollInterval = std::chrono::milliseconds(20);
// How long a cancelled worker may take to notice; past that it is left to finish alone.
constexpr auto kCancelGrace = std::chrono::seconds(2);
constexpr wchar_t kAcceptedEncodings[] = L"Accept-Encoding: gzip, deflate\r\n";

std::wstring wide(std::string_view bytes)
{
    const std::u16string text = decode(bytes, kCodePageAnsi);
    return std::wstring(text.begin(), text.end());
}

// Response heads come from WinHTTP as UTF-16; their bytes are what the ANSI code page
// gives back.
std::string narrow(std::wstring_view text)
{
    return encode(std::u16string_view(reinterpret_cast<const char16_t*>(text.data()), text.size()),
                  kCodePageAnsi);
}

// One WinHTTP session per process: its connections serve every transfer.
HINTERNET processSession()
{
    static const HINTERNET session = [] {
        HINTERNET handle = WinHttpOpen(L"QuorviV2", WINHTTP_ACCESS_TYPE_AUTOMATIC_PROXY,
                                       WINHTTP_NO_PROXY_NAME, WINHTTP_NO_PROXY_BYPASS, 0);
        if (!handle) { // before Windows 8.1
            handle = WinHttpOpen(L"QuorviV2", WINHTTP_ACCESS_TYPE_DEFAULT_PROXY,
                                 WINHTTP_NO_PROXY_NAME, WINHTTP_NO_PROXY_BYPASS, 0);
        }
        if (handle) {
            DWORD protocols =
                WINHTTP_FLAG_SECURE_PROTOCOL_TLS1_2 | WINHTTP_FLAG_SECURE_PROTOCOL_TLS1_3;
            if (!WinHttpSetOption(handle, WINHTTP_OPTION_SECURE_PROTOCOLS, &protocols,
                                  sizeof protocols)) {
                protocols = WINHTTP_FLAG_SECURE_PROTOCOL_TLS1_2;
                WinHttpSetOption(handle, WINHTTP_OPTION_SECURE_PROTOCOLS, &protocols,
                                 sizeof protocols);
            }
        }
        return handle;
    }();
    return session;
}

// WinHTTP takes the request target as UTF-16 and sends ASCII as it is; bytes beyond
// ASCII go out percent-encoded, the one form in which they arrive unchanged.
std::wstring requestTarget(std::string_view target)
{
    std::wstring out;
    for (char c : target) {
        const auto byte = static_cast<unsigned char>(c);
        if (byte < 0x80) {
            out.push_back(static_cast<wchar_t>(byte));
        } else {
            wchar_t escaped[4];
            std::swprintf(escaped, 4, L"%%%02X", byte);
            out += escaped;
        }
    }
    return out;
}

} // namespace

// One transfer, shared by the calling thread and the worker that runs the blocking
// WinHTTP calls. The worker owns a reference, so a worker left behind after a cancel
// never touches freed memory.
struct WinHttpTransfer {
    enum class Cancel { None, Interrupt, Timeout };
    struct Event {
        enum class Kind { Status, Header, Body } kind;
        std::string first;
        std::string second;
        int code = 0;
        int64_t total = 0;
    };

    Method method = Method::Get;
    TransferUrl url;
    TransferSettings settings;
    std::shared_ptr<void> connection;

    std::mutex mutex;
    std::condition_variable changed;
    bool done = false;
    std::vector<Event> events;
    Cancel cancelled = Cancel::None;
    HINTERNET request = nullptr;

    // Written by the worker, read by the caller once done.
    TransferResult result;
    std::optional<core::CoreError> failure;

    void run();
    void cancel(Cancel reason);

private:
    void exchange(HINTERNET connection);
    void readHead();
    void readBody();
    void post(Event event);
    void checkCertificate(HINTERNET handle) const;

    std::unique_ptr<ContentDecoder> m_decoder;
    int64_t m_contentLength = -1;
};

void WinHttpTransfer::post(Event event)
{
    std::lock_guard lock(mutex);
    events.push_back(std::move(event));
}

void WinHttpTransfer::cancel(Cancel reason)
{
    std::lock_guard lock(mutex);
    if (cancelled != Cancel::None) {
        return;
    }
    cancelled = reason;
    // Closing the handle makes the worker's blocking call return with an error.
    if (request) {
        WinHttpCloseHandle(request);
        request = nullptr;
    }
}

void WinHttpTransfer::checkCertificate(HINTERNET handle) const
{
    PCCERT_CONTEXT certificate = nullptr;
    DWORD size = sizeof certificate;
    if (!WinHttpQueryOption(handle, WINHTTP_OPTION_SERVER_CERT_CONTEXT, &certificate, &size)) {
        certificate = nullptr;
    }
    const std::string problem = verifyServerCertificate(certificate, wide(url.host));
    if (certificate) {
        CertFreeCertificateContext(certificate);
    }
    if (!problem.empty()) {
        throw core::failureBecause(NETCOMP_ERR_CERTIFICATE, problem);
    }
}

void WinHttpTransfer::run()
{
    try {
        exchange(static_cast<HINTERNET>(connection.get()));
    } catch (const core::CoreError& e) {
        failure = e;
    } catch (const std::bad_alloc&) {
        failure = outOfMemoryFailure();
    }
    {
        std::lock_guard lock(mutex);
        if (request) {
            WinHttpCloseHandle(request);
            request = nullptr;
        }
        done = true;
    }
    changed.notify_all();
}

void WinHttpTransfer::exchange(HINTERNET connection)
{
    const wchar_t* verb = method == Method::Head ? L"HEAD" : L"GET";
    const std::wstring target = requestTarget(url.target);
    HINTERNET handle = WinHttpOpenRequest(
        connection, verb, target.c_str(), nullptr, WINHTTP_NO_REFERER, WINHTTP_DEFAULT_ACCEPT_TYPES,
        WINHTTP_FLAG_SECURE | WINHTTP_FLAG_ESCAPE_DISABLE | WINHTTP_FLAG_ESCAPE_DISABLE_QUERY);
    if (!handle) {
        throw winHttpFailure(GetLastError(), settings.timeoutSeconds);
    }
    {
        std::lock_guard lock(mutex);
        request = handle;
        if (cancelled != Cancel::None) {
            return;
        }
    }

    const int timeoutMs = settings.timeoutSeconds * 1000;
    WinHttpSetTimeouts(handle, timeoutMs, timeoutMs, timeoutMs, timeoutMs);
    DWORD value = static_cast<DWORD>(timeoutMs);
    WinHttpSetOption(handle, WINHTTP_OPTION_RECEIVE_RESPONSE_TIMEOUT, &value, sizeof value);
    value = WINHTTP_OPTION_REDIRECT_POLICY_NEVER;
    WinHttpSetOption(handle, WINHTTP_OPTION_REDIRECT_POLICY, &value, sizeof value);
    value = WINHTTP_DISABLE_COOKIES | WINHTTP_DISABLE_REDIRECTS | WINHTTP_DISABLE_AUTHENTICATION;
    WinHttpSetOption(handle, WINHTTP_OPTION_DISABLE_FEATURE, &value, sizeof value);
    value = static_cast<DWORD>(kMaxHeaderBytes);
    WinHttpSetOption(handle, WINHTTP_OPTION_MAX_RESPONSE_HEADER_SIZE, &value, sizeof value);
    // With the extra CA, WinHTTP leaves the root to checkCertificate, which knows the
    // system's roots plus the bundle; every other check stays on.
    if (hasExtraTrustedCa()) {
        value = SECURITY_FLAG_IGNORE_UNKNOWN_CA;
        WinHttpSetOption(handle, WINHTTP_OPTION_SECURITY_FLAGS, &value, sizeof value);
    }

    const wchar_t* headers =
        settings.allowCompression ? kAcceptedEncodings : WINHTTP_NO_ADDITIONAL_HEADERS;
    const DWORD headersLength = settings.allowCompression ? static_cast<DWORD>(-1L) : 0;
    if (!WinHttpSendRequest(handle, headers, headersLength, WINHTTP_NO_REQUEST_DATA, 0, 0, 0)) {
        throw winHttpFailure(GetLastError(), settings.timeoutSeconds);
    }
    // WinHTTP offers no moment between handshake and request that stops the request
    // under Wine; the chain is checked before anything of the answer is read.
    checkCertificate(handle);
    if (!WinHttpReceiveResponse(handle, nullptr)) {
        throw winHttpFailure(GetLastError(), settings.timeoutSeconds);
    }
    readHead();
    if (method == Method::Get) {
        readBody();
    }
}

void WinHttpTransfer::readHead()
{
    HINTERNET handle;
    {
        std::lock_guard lock(mutex);
        handle = request;
    }
    DWORD size = 0;
    WinHttpQueryHeaders(handle, WINHTTP_QUERY_RAW_HEADERS_CRLF, WINHTTP_HEADER_NAME_BY_INDEX,
                        nullptr, &size, WINHTTP_NO_HEADER_INDEX);
    if (GetLastError() != ERROR_INSUFFICIENT_BUFFER) {
        throw winHttpFailure(GetLastError(), settings.timeoutSeconds);
    }
    std::wstring raw(size / sizeof(wchar_t) + 1, L'\0');
    if (!WinHttpQueryHeaders(handle, WINHTTP_QUERY_RAW_HEADERS_CRLF, WINHTTP_HEADER_NAME_BY_INDEX,
                             raw.data(), &size, WINHTTP_NO_HEADER_INDEX)) {
        throw winHttpFailure(GetLastError(), settings.timeoutSeconds);
    }
    raw.resize(size / sizeof(wchar_t));
    const std::string head = narrow(raw);
    if (head.size() > kMaxHeaderBytes) {
        throw core::CoreError(NETCOMP_ERR_HEADER_TOO_LARGE, headerTooLargeText());
    }

    std::string contentEncoding;
    HeadConsistency consistency;
    std::size_t begin = 0;
    while (begin < head.size()) {
        std::size_t end = head.find('\n', begin);
        if (end == std::string::npos) {
            end = head.size();
        }
        std::string_view line = std::string_view(head).substr(begin, end - begin);
        begin = end + 1;
        while (!line.empty() && (line.back() == '\r' || line.back() == '\n')) {
            line.remove_suffix(1);
        }
        if (line.empty() || line.front() == ' ' || line.front() == '\t') {
            continue;
        }
        if (!consistency.accept(line)) {
            throw malformedAnswerFailure();
        }
        if (const auto status = parseStatusLine(line)) {
            result.statusLine.assign(line);
            result.statusCode = status->code;
            result.reasonPhrase.assign(status->reason);
            result.contentType.clear();
            post({Event::Kind::Status, std::string(status->version), std::string(status->reason),
                  status->code, 0});
        } else if (const auto header = parseHeaderField(line)) {
            if (core::equalsIgnoringCase(header->field, "Content-Type")) {
                result.contentType.assign(header->value);
            }
            if (core::equalsIgnoringCase(header->field, "Content-Encoding")) {
                contentEncoding.assign(header->value);
            }
            if (core::equalsIgnoringCase(header->field, "Content-Length")) {
                const unsigned long long length =
                    std::strtoull(std::string(header->value).c_str(), nullptr, 10);
                if (length > kMaxBodyBytes) {
                    throw core::CoreError(NETCOMP_ERR_BODY_TOO_LARGE, bodyTooLargeText());
                }
                m_contentLength = static_cast<int64_t>(length);
            }
            post({Event::Kind::Header, std::string(header->field), std::string(header->value), 0,
                  0});
        }
    }
    // Only what was asked for is decoded; anything else arrives as sent.
    if (settings.allowCompression) {
        m_decoder = ContentDecoder::forEncoding(contentEncoding);
    }
}

void WinHttpTransfer::readBody()
{
    std::vector<char> buffer(64 * 1024);
    std::size_t received = 0;
    for (;;) {
        HINTERNET handle;
        {
            std::lock_guard lock(mutex);
            handle = request;
        }
        DWORD read = 0;
        if (!handle ||
            !WinHttpReadData(handle, buffer.data(), static_cast<DWORD>(buffer.size()), &read)) {
            throw winHttpFailure(handle ? GetLastError() : ERROR_WINHTTP_OPERATION_CANCELLED,
                                 settings.timeoutSeconds);
        }
        if (read == 0) {
            break;
        }
        received += read;
        if (received > kMaxBodyBytes) {
            throw core::CoreError(NETCOMP_ERR_BODY_TOO_LARGE, bodyTooLargeText());
        }
        const std::string_view chunk(buffer.data(), read);
        const std::size_t before = result.body.size();
        if (m_decoder) {
            m_decoder->decode(chunk, result.body, kMaxBodyBytes);
        } else {
            result.body.append(chunk);
        }
        if (result.body.size() > before) {
            post({Event::Kind::Body,
                  result.body.substr(before),
                  {},
                  0,
                  static_cast<int64_t>(result.body.size())});
        }
    }
    // WinHTTP ends a body the server cut short without an error.
    if (m_contentLength >= 0 && static_cast<int64_t>(received) < m_contentLength) {
        throw connectionLostFailure();
    }
    if (m_decoder) {
        m_decoder->finish();
    }
}

HttpSession::HttpSession(TransferObserver& observer) : m_observer(observer)
{
}

HttpSession::~HttpSession()
{
    if (m_running) {
        m_running->cancel(WinHttpTransfer::Cancel::Interrupt);
    }
}

void HttpSession::interrupt()
{
    if (const std::shared_ptr<WinHttpTransfer> running = m_running) {
        running->cancel(WinHttpTransfer::Cancel::Interrupt);
    }
}

void HttpSession::dispatchEvents(WinHttpTransfer& transfer)
{
    std::vector<WinHttpTransfer::Event> events;
    {
        std::lock_guard lock(transfer.mutex);
        events.swap(transfer.events);
    }
    for (const auto& event : events) {
        switch (event.kind) {
        case WinHttpTransfer::Event::Kind::Status:
            m_observer.onStatus(event.first, event.code, event.second);
            break;
        case WinHttpTransfer::Event::Kind::Header:
            m_observer.onHeader(event.first, event.second);
            break;
        case WinHttpTransfer::Event::Kind::Body:
            m_observer.onTransfer(event.total, event.first);
            break;
        }
    }
}

void HttpSession::perform(Method method, std::string_view url, const TransferSettings& settings)
{
    if (m_busy) {
        throw core::failure(NETCOMP_ERR_BUSY);
    }
    auto transfer = std::make_shared<WinHttpTransfer>();
    transfer->method = method;
    transfer->url = parseTransferUrl(url);
    transfer->settings = settings;
    if (transfer->url.port == 0) {
        throw core::failureBecause(NETCOMP_ERR_INVALID_URL, "invalid port");
    }
    if (!m_connection || m_connectionOrigin != transfer->url.origin) {
        HINTERNET session = processSession();
        HINTERNET connection =
            session ? WinHttpConnect(session, wide(transfer->url.host).c_str(),
                                     static_cast<INTERNET_PORT>(transfer->url.port), 0)
                    : nullptr;
        if (!connection) {
            throw winHttpFailure(GetLastError(), settings.timeoutSeconds);
        }
        m_connection.reset(connection, [](void* handle) { WinHttpCloseHandle(handle); });
        m_connectionOrigin = transfer->url.origin;
    }
    transfer->connection = m_connection;

    struct BusyScope {
        HttpSession& session;
        BusyScope(HttpSession& s, std::shared_ptr<WinHttpTransfer> running) : session(s)
        {
            session.m_busy = true;
            session.m_running = std::move(running);
        }
        ~BusyScope()
        {
            session.m_busy = false;
            session.m_running.reset();
        }
    } busyScope(*this, transfer);
    m_result = {};

    std::thread worker([transfer] { transfer->run(); });
    const auto deadline =
        std::chrono::steady_clock::now() + std::chrono::seconds(settings.timeoutSeconds);
    std::optional<std::chrono::steady_clock::time_point> cancelledAt;
    bool finished = false;
    while (!finished) {
        {
            std::unique_lock lock(transfer->mutex);
            transfer->changed.wait_for(lock, kPollInterval);
            finished = transfer->done;
        }
        dispatchEvents(*transfer);
        if (finished) {
            break;
        }
        m_observer.onDoEvents();
        // WinHTTP's own time-outs do not end every wait: the transfer keeps its own clock.
        const auto now = std::chrono::steady_clock::now();
        if (now >= deadline) {
            transfer->cancel(WinHttpTransfer::Cancel::Timeout);
        }
        {
            std::lock_guard lock(transfer->mutex);
            if (transfer->cancelled != WinHttpTransfer::Cancel::None && !cancelledAt) {
                cancelledAt = now;
            }
        }
        if (cancelledAt && now - *cancelledAt > kCancelGrace) {
            break;
        }
    }
    if (finished) {
        worker.join();
    } else {
        worker.detach();
    }

    WinHttpTransfer::Cancel cancelled;
    {
        std::lock_guard lock(transfer->mutex);
        cancelled = transfer->cancelled;
    }
    if (cancelled == WinHttpTransfer::Cancel::Interrupt) {
        throw core::failure(NETCOMP_ERR_INTERRUPTED);
    }
    if (cancelled == WinHttpTransfer::Cancel::Timeout) {
        throw timeoutFailure(settings.timeoutSeconds);
    }
    m_result = std::move(transfer->result);
    if (transfer->failure) {
        throw *transfer->failure;
    }
    if (!isSuccessStatus(m_result.statusCode)) {
        throw core::CoreError(NETCOMP_ERR_HTTP_STATUS,
                              httpStatusErrorText(m_result.statusCode, m_result.reasonPhrase));
    }
    if (method == Method::Get && !settings.localFile.empty()) {
        writeLocalFile(settings.localFile, m_result.body);
    }
}

} // namespace netcomp::http
