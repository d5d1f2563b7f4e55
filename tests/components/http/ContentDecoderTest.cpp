#include "components/cores/http/ContentDecoder.h"

#include "components/cores/common/CoreError.h"
#include "tests/support/Gzip.h"

#include <gtest/gtest.h>

using netcomp::core::CoreError;
using netcomp::http::ContentDecoder;

namespace {

constexpr std::size_t kLimit = 1 << 20;

// Decodes the body in pieces of `piece` bytes, as a transport hands it on.
std::string decodeInPieces(std::string_view encoding, std::string_view body, std::size_t piece,
                           std::size_t limit = kLimit)
{
    auto decoder = ContentDecoder::forEncoding(encoding);
    if (!decoder) {
        return std::string(body);
    }
    std::string out;
    for (std::size_t at = 0; at < body.size(); at += piece) {
        decoder->decode(body.substr(at, piece), out, limit);
    }
    decoder->finish();
    return out;
}

int32_t failureCode(std::string_view encoding, std::string_view body, std::size_t limit = kLimit)
{
    try {
        decodeInPieces(encoding, body, 7, limit);
    } catch (const CoreError& e) {
        return e.code();
    }
    return 0;
}

const std::string kText = "Gr\xC3\xBC\xC3\x9F"
                          "e aus dem Labor, " +
                          std::string(300, 'x');

TEST(ContentDecoder, DecodesGzipWhateverThePieces)
{
    const std::string gzip = quorvi::test::gzipCompress(kText);
    for (std::size_t piece : {std::size_t{1}, std::size_t{5}, gzip.size()}) {
        EXPECT_EQ(decodeInPieces("gzip", gzip, piece), kText) << "pieces of " << piece;
    }
    EXPECT_EQ(decodeInPieces("X-GZIP", gzip, 3), kText);
}

TEST(ContentDecoder, IdentityAndUnknownEncodingsPassThrough)
{
    EXPECT_EQ(ContentDecoder::forEncoding(""), nullptr);
    EXPECT_EQ(ContentDecoder::forEncoding("identity"), nullptr);
    EXPECT_EQ(ContentDecoder::forEncoding("br"), nullptr);
}

TEST(ContentDecoder, RefusesWhatIsNotTheDeclaredEncoding)
{
    const std::string gzip = quorvi::test::gzipCompress(kText);
    struct Case {
        const char* name;
        std::string body;
        std::size_t limit;
        int32_t code;
    };
    const Case cases[] = {
        {"not gzip", "plain text, not compressed", kLimit, 310},
        {"cut short", gzip.substr(0, gzip.size() / 2), kLimit, 310},
        {"data after the end", gzip + "junk", kLimit, 310},
        {"decoded body over the limit", gzip, 100, 308},
    };
    for (const Case& c : cases) {
        EXPECT_EQ(failureCode("gzip", c.body, c.limit), c.code) << c.name;
    }
}

} // namespace
