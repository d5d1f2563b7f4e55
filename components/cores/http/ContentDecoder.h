#pragma once

#include <cstddef>
#include <memory>
#include <string>
#include <string_view>

namespace netcomp::http {

// Decodes a gzip or deflate body as it arrives, for transports that do not decode
// themselves. The decoded body is bounded like any other.
class ContentDecoder {
public:
    // Null for an identity (or unknown) Content-Encoding, which passes through as is.
    static std::unique_ptr<ContentDecoder> forEncoding(std::string_view contentEncoding);
    ~ContentDecoder();

    // Appends the decoded bytes of the next chunk. Throws CoreError NETCOMP_ERR_DECODING
    // for data that is not the declared encoding, NETCOMP_ERR_BODY_TOO_LARGE when the
    // decoded body would pass maxBytes.
    void decode(std::string_view chunk, std::string& out, std::size_t maxBytes);
    // Throws NETCOMP_ERR_DECODING when the stream ended before its end.
    void finish() const;

private:
    enum class Format { Gzip, Deflate };
    explicit ContentDecoder(Format format);

    struct Stream;
    Format m_format;
    std::unique_ptr<Stream> m_stream;
    bool m_ended = false;
};

} // namespace netcomp::http
