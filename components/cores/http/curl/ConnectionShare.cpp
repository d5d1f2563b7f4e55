#include "ConnectionShare.h"

#include "netcomp_api.h"

#include <curl/curl.h>
#include <dlfcn.h>
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
    CURLSH* share = curl_share_init();
    if (!share)
        return nullptr;
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

} // namespace

CURLSH* sharedConnections()
{
    static CURLSH* const share = [] {
        const auto shared = reinterpret_cast<netcomp_process_shared_fn>(
            dlsym(RTLD_DEFAULT, NETCOMP_PROCESS_SHARED_SYMBOL));
        if (!shared)
            return makeShare();
        return static_cast<CURLSH*>(shared(
            "netcomp.curl-connections", +[]() -> void* { return makeShare(); }));
    }();
    return share;
}

} // namespace netcomp::http
