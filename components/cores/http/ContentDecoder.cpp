#include "components/cores/http/ContentDecoder.h"

#include "components/cores/common/CoreError.h"
#include "components/cores/common/CoreObject.h"
#include "components/cores/http/HttpLimits.h"
#include "components/cores/http/TransferErrors.h"
#include "components/cores/netcomp_api.h"

#include <zlib.h>

namespace netcomp::http {

struct ContentDecoder::Stream {
    z_stream z{};
    bool open = false;
    ~Stream()
    {
        if (open) {
            inflateEnd(&z);
        }
    }
};

namespace {

[[noreturn]] void undecodable(const char* why)
{
    throw core::failure(NETCOMP_ERR_DECODING, why ? why : "invalid data");
}

// "deflate" is meant as zlib data, yet some servers send raw deflate.
bool looksLikeZlibHeader(unsigned char cmf, unsigned char flg)
{
    return (cmf & 0x0F) == 8 && (cmf * 256 + flg) % 31 == 0;
}

} // namespace

std::unique_ptr<ContentDecoder> ContentDecoder::forEncoding(std::string_view contentEncoding)
{
    using core::equalsIgnoringCase;
    if (equalsIgnoringCase(contentEncoding, "gzip") ||
        equalsIgnoringCase(contentEncoding, "x-gzip")) {
        return std::unique_ptr<ContentDecoder>(new ContentDecoder(Format::Gzip));
    }
    if (equalsIgnoringCase(contentEncoding, "deflate")) {
        return std::unique_ptr<ContentDecoder>(new ContentDecoder(Format::Deflate));
    }
    return nullptr;
}

ContentDecoder::ContentDecoder(Format format) : m_format(format), m_stream(new Stream)
{
}

ContentDecoder::~ContentDecoder() = default;

void ContentDecoder::decode(std::string_view chunk, std::string& out, std::size_t maxBytes)
{
    if (chunk.empty()) {
        return;
    }
    if (m_ended) {
        undecodable("data after the end of the stream");
    }
    z_stream& z = m_stream->z;
    if (!m_stream->open) {
        int windowBits = 15 + 16;
        if (m_format == Format::Deflate) {
            windowBits =
                chunk.size() >= 2 && looksLikeZlibHeader(static_cast<unsigned char>(chunk[0]),
                                                         static_cast<unsigned char>(chunk[1]))
                    ? 15
                    : -15;
        }
        if (inflateInit2(&z, windowBits) != Z_OK) {
            throw outOfMemoryFailure();
        }
        m_stream->open = true;
    }
    z.next_in = reinterpret_cast<Bytef*>(const_cast<char*>(chunk.data()));
    z.avail_in = static_cast<uInt>(chunk.size());
    char buffer[16384];
    while (z.avail_in > 0 && !m_ended) {
        z.next_out = reinterpret_cast<Bytef*>(buffer);
        z.avail_out = sizeof buffer;
        const int status = inflate(&z, Z_NO_FLUSH);
        if (status != Z_OK && status != Z_STREAM_END && status != Z_BUF_ERROR) {
            undecodable(z.msg);
        }
        const std::size_t produced = sizeof buffer - z.avail_out;
        if (produced > maxBytes - out.size()) {
            throw core::CoreError(NETCOMP_ERR_BODY_TOO_LARGE, bodyTooLargeText());
        }
        out.append(buffer, produced);
        if (status == Z_STREAM_END) {
            m_ended = true;
        } else if (status == Z_BUF_ERROR && produced == 0) {
            break;
        }
    }
    if (m_ended && z.avail_in > 0) {
        undecodable("data after the end of the stream");
    }
}

void ContentDecoder::finish() const
{
    if (m_stream->open && !m_ended) {
        undecodable("the stream ends early");
    }
}

} // namespace netcomp::http
