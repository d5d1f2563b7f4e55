#include "components/cores/http/curl/CurlLibrary.h"

#include "components/cores/common/CoreError.h"

#include <curl/curl.h>

namespace netcomp::http {

void initialiseCurl()
{
    static const bool initialised = curl_global_init(CURL_GLOBAL_DEFAULT) == CURLE_OK;
    if (!initialised) {
        throw core::CoreError(NETCOMP_ERR_TRANSPORT, "The HTTP library could not be initialised.");
    }
}

} // namespace netcomp::http
