#include "tests/support/Gzip.h"

#include <cstdint>
#include <memory>
#include <stdexcept>
#include <zlib.h>

namespace quorvi::test {

std::string gzipCompress(std::string_view data)
{
    z_stream stream{};
    constexpr int kGzipWindowBits = 15 + 16;
    if (deflateInit2(&stream, Z_BEST_SPEED, Z_DEFLATED, kGzipWindowBits, 8, Z_DEFAULT_STRATEGY) !=
        Z_OK) {
        throw std::runtime_error("deflateInit2 failed");
    }
    // The same bytes on every platform: zlib would write its own system's code.
    gz_header header{};
    header.os = 3;
    deflateSetHeader(&stream, &header);
    std::string out(deflateBound(&stream, static_cast<uLong>(data.size())), '\0');
    stream.next_in = reinterpret_cast<Bytef*>(const_cast<char*>(data.data()));
    stream.avail_in = static_cast<uInt>(data.size());
    stream.next_out = reinterpret_cast<Bytef*>(out.data());
    stream.avail_out = static_cast<uInt>(out.size());
    const int result = deflate(&stream, Z_FINISH);
    out.resize(stream.total_out);
    deflateEnd(&stream);
    if (result != Z_STREAM_END) {
        throw std::runtime_error("deflate did not finish");
    }
    return out;
}

std::function<std::string_view()> gzipZeros(std::size_t mebibytes)
{
    constexpr std::size_t kMiB = std::size_t{1} << 20;
    const std::string zeros(kMiB, '\0');
    // A raw deflate block ended by a full flush is byte-aligned and refers to nothing
    // before it, so copies of it in a row are a valid stream.
    z_stream stream{};
    if (deflateInit2(&stream, Z_BEST_COMPRESSION, Z_DEFLATED, -15, 9, Z_DEFAULT_STRATEGY) != Z_OK) {
        throw std::runtime_error("deflateInit2 failed");
    }
    std::string block(deflateBound(&stream, kMiB) + 16, '\0');
    stream.next_in = reinterpret_cast<Bytef*>(const_cast<char*>(zeros.data()));
    stream.avail_in = static_cast<uInt>(zeros.size());
    stream.next_out = reinterpret_cast<Bytef*>(block.data());
    stream.avail_out = static_cast<uInt>(block.size());
    const int result = deflate(&stream, Z_FULL_FLUSH);
    block.resize(stream.total_out);
    deflateEnd(&stream);
    if (result != Z_OK || stream.avail_in != 0) {
        throw std::runtime_error("deflate did not take the block");
    }

    uLong crc = crc32(0L, Z_NULL, 0);
    const uLong blockCrc =
        crc32(0L, reinterpret_cast<const Bytef*>(zeros.data()), static_cast<uInt>(zeros.size()));
    for (std::size_t i = 0; i < mebibytes; ++i) {
        crc = crc32_combine(crc, blockCrc, static_cast<z_off_t>(kMiB));
    }
    const auto size = static_cast<uint32_t>(mebibytes * kMiB);
    // An empty final stored block, then CRC-32 and size, both little-endian.
    std::string trailer("\x01\x00\x00\xff\xff", 5);
    for (const uint32_t value : {static_cast<uint32_t>(crc), size}) {
        for (int shift = 0; shift < 32; shift += 8) {
            trailer.push_back(static_cast<char>((value >> shift) & 0xFF));
        }
    }

    struct State {
        std::string header = std::string("\x1f\x8b\x08\x00\x00\x00\x00\x00\x00\x03", 10);
        std::string block;
        std::string trailer;
        std::size_t blocksLeft = 0;
        int step = 0; // header, blocks, trailer, end
    };
    auto state = std::make_shared<State>();
    state->block = std::move(block);
    state->trailer = std::move(trailer);
    state->blocksLeft = mebibytes;
    return [state]() -> std::string_view {
        switch (state->step) {
        case 0:
            state->step = 1;
            return state->header;
        case 1:
            if (state->blocksLeft > 0) {
                --state->blocksLeft;
                return state->block;
            }
            state->step = 2;
            return state->trailer;
        default:
            return {};
        }
    };
}

} // namespace quorvi::test
