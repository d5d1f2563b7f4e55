// Composing the service addresses from typed or received text. The first byte picks the
// service base address and how the rest is read: as UTF-8, or (bit 2) as little-endian
// UTF-16, which also reaches lone surrogates. That text is both sample code and sample type.

#include "components/codepage/CodePage.h"
#include "retrieval/PercentEncoding.h"
#include "retrieval/ServiceAddresses.h"
#include "tests/fuzz/FuzzCheck.h"

#include <array>
#include <cstddef>
#include <cstdint>
#include <string>
#include <string_view>

namespace {

constexpr std::array<std::u16string_view, 4> kBaseAddresses = {
    u"https://localhost:8443/", u"https://labor.example.de/dienst/", u"https://prüfstelle.example/",
    u"https://127.0.0.1:48443/"};

bool isUnreserved(unsigned char c)
{
    return (c >= 'A' && c <= 'Z') || (c >= 'a' && c <= 'z') || (c >= '0' && c <= '9') || c == '-' ||
           c == '.' || c == '_' || c == '~';
}

int hexDigit(char c)
{
    if (c >= '0' && c <= '9') {
        return c - '0';
    }
    if (c >= 'A' && c <= 'F') {
        return c - 'A' + 10;
    }
    return -1;
}

// Checks that a segment holds only unreserved bytes and "%XX", every byte that could stand
// for itself does, and that decoding it gives the bytes back.
void checkSegment(std::string_view segment, std::string_view bytes)
{
    std::string decoded;
    for (std::size_t i = 0; i < segment.size();) {
        const auto c = static_cast<unsigned char>(segment[i]);
        if (c != '%') {
            FUZZ_CHECK(isUnreserved(c));
            decoded += segment[i++];
            continue;
        }
        FUZZ_CHECK(i + 2 < segment.size());
        const int high = hexDigit(segment[i + 1]);
        const int low = hexDigit(segment[i + 2]);
        FUZZ_CHECK(high >= 0 && low >= 0);
        const auto byte = static_cast<unsigned char>(high * 16 + low);
        FUZZ_CHECK(!isUnreserved(byte));
        decoded += static_cast<char>(byte);
        i += 3;
    }
    FUZZ_CHECK(decoded == bytes);
}

// An address is base, fixed middle, one encoded segment, fixed suffix; past the base it
// holds printable ASCII only, so no blank or control can reach the request line.
void checkAddress(std::u16string_view address, std::u16string_view base, std::u16string_view middle,
                  std::string_view segmentBytes, std::u16string_view suffix)
{
    FUZZ_CHECK(address.starts_with(base));
    std::u16string_view rest = address.substr(base.size());
    for (const char16_t c : rest) {
        FUZZ_CHECK(c > 0x20 && c < 0x7F);
    }
    FUZZ_CHECK(rest.starts_with(middle));
    FUZZ_CHECK(rest.ends_with(suffix));
    FUZZ_CHECK(rest.size() >= middle.size() + suffix.size());
    rest = rest.substr(middle.size(), rest.size() - middle.size() - suffix.size());
    checkSegment(netcomp::toAnsi(rest), segmentBytes);
}

std::u16string utf16(std::string_view ascii)
{
    return std::u16string(ascii.begin(), ascii.end());
}

} // namespace

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, std::size_t size)
{
    if (size == 0) {
        return 0;
    }
    const std::u16string_view base = kBaseAddresses[data[0] & 3];
    std::u16string text;
    if (data[0] & 4) {
        for (std::size_t i = 1; i + 1 < size; i += 2) {
            text += static_cast<char16_t>(data[i] | (data[i + 1] << 8));
        }
    } else {
        text =
            netcomp::fromUtf8(std::string_view(reinterpret_cast<const char*>(data) + 1, size - 1));
    }

    const std::string bytes(reinterpret_cast<const char*>(data), size);
    checkSegment(percentEncodePathSegment(bytes), bytes);

    // The sample code goes out as ANSI text, the sample type as UTF-8.
    const std::string ansi = netcomp::toAnsi(text);
    const std::u16string folder = utf16(service::kDataFolderPath);
    checkAddress(service::sampleDocumentAddress(base, text), base, folder + u"/JSON/", ansi,
                 u".json");
    checkAddress(service::reportAddress(base, text), base, folder + u"/reports/", ansi, u".pdf");
    checkAddress(service::interpreterAddress(base, text), base, u"interpreter/",
                 netcomp::toUtf8(text), u".json");
    return 0;
}
