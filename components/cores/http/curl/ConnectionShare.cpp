#include "components/cores/http/curl/ConnectionShare.h"

#include "components/cores/http/curl/CurlLibrary.h"
#include "components/cores/http/curl/ProcessSharedValue.h"

#include <curl/curl.h>
#include <mutex>

namespace netcomp::http {

namespace {

// Transfers run on the GUI thread, but nothing stops a caller from using another.
std::mutex& lockOf(curl_lock_data data)
{
    static std::mutex locks[CURL_LOCK_DATA_LAST];
    return locks[data];
}

void lock(CURL*, curl_lock_data data, curl_lock_access, void*)
{
    lockOf(data).lock();
}

void unlock(CURL*, curl_lock_data data, void*)
{
    lockOf(data).unlock();
}

CURLSH* makeShare()
{
    // The share may come before the first easy handle of the process.
    initialiseCurl();
    CURLSH* share = curl_share_init();
    if (!share) {
        return nullptr;
    }
    const bool ready =
        curl_share_setopt(share, CURLSHOPT_LOCKFUNC, &lock) == CURLSHE_OK &&
        curl_share_setopt(share, CURLSHOPT_UNLOCKFUNC, &unlock) == CURLSHE_OK &&
        curl_share_setopt(share, CURLSHOPT_SHARE, CURL_LOCK_DATA_CONNECT) == CURLSHE_OK &&
        curl_share_setopt(share, CURLSHOPT_SHARE, CURL_LOCK_DATA_SSL_SESSION) == CURLSHE_OK &&
        curl_share_setopt(share, CURLSHOPT_SHARE, CURL_LOCK_DATA_DNS) == CURLSHE_OK;
    if (!ready) {
        curl_share_cleanup(share);
        return nullptr;
    }
    return share;
}

// The share and how many transfer objects use it. The cores that see the same
// process-shared table see the same one, so its layout is the same in each.
struct SharedConnections {
    std::mutex mutex;
    CURLSH* share = nullptr;
    int users = 0;
};

SharedConnections& sharedConnections()
{
    static SharedConnections* const shared = static_cast<SharedConnections*>(processSharedValue(
        "netcomp.curl-connections", +[]() -> void* { return new SharedConnections; }));
    return *shared;
}

} // namespace

ConnectionShareUse::ConnectionShareUse()
{
    SharedConnections& shared = sharedConnections();
    std::lock_guard lock(shared.mutex);
    if (!shared.share) {
        shared.share = makeShare();
    }
    m_share = shared.share;
    if (m_share) {
        ++shared.users;
    }
}

ConnectionShareUse::~ConnectionShareUse()
{
    if (!m_share) {
        return;
    }
    SharedConnections& shared = sharedConnections();
    std::lock_guard lock(shared.mutex);
    if (--shared.users == 0) {
        curl_share_cleanup(shared.share);
        shared.share = nullptr;
    }
}

} // namespace netcomp::http
