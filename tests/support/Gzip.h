#pragma once

#include <cstddef>
#include <functional>
#include <string>
#include <string_view>

namespace quorvi::test {

// The data as one gzip member (RFC 1952), as a server sends a compressed body.
std::string gzipCompress(std::string_view data);

// One gzip member of `mebibytes` MiB of zero bytes, piece by piece as a server sends
// it: each call gives the next piece (valid until the next call), empty after the last.
// One compressed MiB is made once and repeated, so even a huge member costs nothing
// to make and is never held whole.
std::function<std::string_view()> gzipZeros(std::size_t mebibytes);

} // namespace quorvi::test
