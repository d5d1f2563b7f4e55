#pragma once

#include "components/cores/netcomp_api.h"

#include <cstdint>
#include <string_view>
#include <utility>

namespace netcomp {

// What each error code says, in one table beside the codes. Codes whose failures name
// what failed (an id, a URL, the parser's reason) give the leading words here, and the
// failure adds the detail. The size bounds' texts name their bound and stay with it.
inline constexpr std::pair<int32_t, std::string_view> kErrorTexts[] = {
    {NETCOMP_ERR_BUSY, "Busy performing current action."},
    {NETCOMP_ERR_HTTP_STATUS, "HTTP protocol error."},
    {NETCOMP_ERR_UNKNOWN_PROPERTY, "Unknown property"},
    {NETCOMP_ERR_UNKNOWN_METHOD, "Unknown method"},
    {NETCOMP_ERR_READ_ONLY, "Property is read-only"},
    {NETCOMP_ERR_INVALID_INDEX, "Invalid array index"},
    {NETCOMP_ERR_ARGUMENT_COUNT, "Wrong number of arguments"},
    {NETCOMP_ERR_INVALID_URL, "Invalid URL"},
    {NETCOMP_ERR_RESOLVE, "Host name could not be resolved"},
    {NETCOMP_ERR_CONNECT, "Could not connect to the server."},
    {NETCOMP_ERR_TLS, "TLS handshake failed"},
    {NETCOMP_ERR_CERTIFICATE, "Server certificate rejected"},
    {NETCOMP_ERR_TIMEOUT, "No answer within the timeout of"},
    {NETCOMP_ERR_RECEIVE, "Connection lost during the transfer."},
    {NETCOMP_ERR_DECODING, "Response body could not be decoded"},
    {NETCOMP_ERR_INTERRUPTED, "Transfer interrupted."},
    {NETCOMP_ERR_LOCAL_FILE, "Could not write the local file"},
    {NETCOMP_ERR_XML_MARKUP, "Invalid XML markup"},
    {NETCOMP_ERR_JSON_MARKUP, "Invalid JSON markup."},
    {NETCOMP_ERR_XPATH, "Invalid XPath."},
};

constexpr std::string_view errorText(int32_t code)
{
    for (const auto& [known, text] : kErrorTexts) {
        if (known == code) {
            return text;
        }
    }
    return "Error.";
}

// Out of memory is reported under the code of the call it stopped.
inline constexpr std::string_view kOutOfMemoryText = "Out of memory.";

} // namespace netcomp
