#pragma once

#include <string>
#include <string_view>

namespace netcomp::http {

// An address split for sending: libcurl gets the origin to connect to, and the request
// target goes on the request line byte for byte, so nothing is percent-encoded or
// normalised on the way.
struct TransferUrl {
    std::string origin; // "https://host[:port]"
    std::string target; // path and query, "/" when the address has none; no fragment
    std::string host;   // as written, an IPv6 address in its brackets; no user part
    int port = 443;     // 0 when the address names no valid port
};

// Refuses, with CoreError NETCOMP_ERR_INVALID_URL, an address that must not be sent:
// one not beginning with "https://" (in any case), or holding a control character or a
// raw space.
TransferUrl parseTransferUrl(std::string_view url);

} // namespace netcomp::http
