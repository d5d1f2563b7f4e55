#pragma once

#include <string>
#include <string_view>

namespace quorvi::test {

// The data as one gzip member (RFC 1952), as a server sends a compressed body.
std::string gzipCompress(std::string_view data);

} // namespace quorvi::test
