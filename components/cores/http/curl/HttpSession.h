#pragma once

#include "components/cores/http/ResponseHead.h"
#include "components/cores/http/TransferObserver.h"
#include "components/cores/http/TransferRequest.h"
#include "components/cores/http/TransferResult.h"
#include "components/cores/http/TransferUrl.h"
#include "components/cores/http/curl/ConnectionShare.h"
#include "components/cores/http/curl/CurlErrors.h"

#include <atomic>
#include <cstddef>
#include <cstdint>
#include <string>
#include <string_view>
#include <vector>

namespace netcomp::http {

// HEAD and GET over HTTPS for one core object. Keeps one easy and one multi handle for
// its whole life; connections and TLS sessions come from the process's share, so every
// object reuses what another opened. Not thread-safe except for interrupt().
class HttpSession {
public:
    explicit HttpSession(TransferObserver& observer);
    ~HttpSession();
    HttpSession(const HttpSession&) = delete;
    HttpSession& operator=(const HttpSession&) = delete;

    // Runs one transfer to its end. Throws CoreError on any failure, a final status
    // outside 200 to 299 (and 101) included; result() then holds what did arrive.
    void perform(Method method, std::string_view url, const TransferSettings& settings);

    // Aborts the running transfer; it fails with NETCOMP_ERR_INTERRUPTED.
    void interrupt();

    bool busy() const { return m_busy; }
    const TransferResult& result() const { return m_result; }
    void clearResult() { m_result = {}; }

private:
    struct PendingEvent {
        enum class Kind { Status, Header, Body } kind;
        std::string first;  // version, or header field
        std::string second; // reason, or header value
        int code = 0;
        std::size_t begin = 0; // body range
        std::size_t end = 0;
    };

    static std::size_t headerCallback(char* data, std::size_t size, std::size_t count,
                                      void* session);
    static std::size_t bodyCallback(char* data, std::size_t size, std::size_t count, void* session);
    std::size_t takeHeaderLine(std::string_view line);
    std::size_t takeBody(std::string_view chunk);

    void configure(Method method, const TransferUrl& url, const TransferSettings& settings);
    int drive();
    void dispatchEvents();
    void finish(Method method, int curlCode, const TransferSettings& settings);

    TransferObserver& m_observer;
    // Declared first: the easy handle must let go of the share before it may close.
    ConnectionShareUse m_connections;
    void* m_easy = nullptr;
    void* m_multi = nullptr;
    bool m_busy = false;
    std::atomic<bool> m_interruptRequested{false};
    AbortReason m_abortReason = AbortReason::None;
    HeadConsistency m_headConsistency;
    std::size_t m_headerBytes = 0;
    bool m_headEnded = false; // the blank line after the last status line arrived
    std::string m_lastField;
    std::vector<PendingEvent> m_pending;
    TransferResult m_result;
    std::vector<char> m_errorBuffer;
};

} // namespace netcomp::http
