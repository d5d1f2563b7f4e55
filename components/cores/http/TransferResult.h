#pragma once

#include <string>

namespace netcomp::http {

// The final answer of a transfer, as far as it arrived.
struct TransferResult {
    std::string statusLine; // e.g. "HTTP/1.1 200 OK", without CR LF
    int statusCode = 0;
    std::string reasonPhrase;
    std::string contentType;
    std::string body; // decoded when compression was allowed
};

} // namespace netcomp::http
