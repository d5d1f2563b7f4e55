#pragma once

#include "components/cores/http/TransferErrors.h"
#include "components/cores/http/TransferObserver.h"
#include "components/cores/http/TransferRequest.h"
#include "components/cores/http/TransferResult.h"

#include <memory>
#include <string>
#include <string_view>

namespace netcomp::http {

struct WinHttpTransfer;

// HEAD and GET over HTTPS for one core object, with WinHTTP: the system's trust store and
// proxy settings. The blocking WinHTTP calls run on a worker thread; the calling thread
// waits, passes the transfer's events on and keeps the event pump going at most 20 ms
// apart. Not thread-safe except for interrupt().
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
    void dispatchEvents(WinHttpTransfer& transfer);

    TransferObserver& m_observer;
    bool m_busy = false;
    std::shared_ptr<WinHttpTransfer> m_running;
    // The connection of the last transfer, kept for the next one to the same origin.
    std::shared_ptr<void> m_connection;
    std::string m_connectionOrigin;
    TransferResult m_result;
};

} // namespace netcomp::http
