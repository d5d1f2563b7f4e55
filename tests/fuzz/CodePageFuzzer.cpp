// The code page conversions. The input is read three ways: as bytes to decode, as
// little-endian UTF-16 to encode, as 32-bit code points for appendCodePoint.

#include "components/codepage/CodePage.h"
#include "tests/fuzz/FuzzCheck.h"

#include <array>
#include <cstddef>
#include <cstdint>
#include <cstring>
#include <string>
#include <string_view>
#include <vector>

namespace {

using netcomp::decode;
using netcomp::encode;

constexpr std::array<int, 4> kCodePages = {netcomp::kCodePageAnsi, netcomp::kCodePageWindows1252,
                                           netcomp::kCodePageLatin1, netcomp::kCodePageUtf8};
constexpr char16_t kReplacement = 0xFFFD;

bool isHighSurrogate(char32_t c)
{
    return c >= 0xD800 && c <= 0xDBFF;
}
bool isLowSurrogate(char32_t c)
{
    return c >= 0xDC00 && c <= 0xDFFF;
}

// The text with every lone surrogate replaced: what UTF-8 can carry of it.
std::u16string withoutLoneSurrogates(std::u16string_view text)
{
    std::u16string out;
    for (std::size_t i = 0; i < text.size(); ++i) {
        const char16_t c = text[i];
        if (isHighSurrogate(c) && i + 1 < text.size() && isLowSurrogate(text[i + 1])) {
            out += c;
            out += text[++i];
        } else {
            out += isHighSurrogate(c) || isLowSurrogate(c) ? kReplacement : c;
        }
    }
    return out;
}

bool isWellFormedUtf16(std::u16string_view text)
{
    return withoutLoneSurrogates(text) == text;
}

std::size_t codePointCount(std::u16string_view text)
{
    std::size_t count = 0;
    for (std::size_t i = 0; i < text.size(); ++i, ++count) {
        if (isHighSurrogate(text[i]) && i + 1 < text.size() && isLowSurrogate(text[i + 1])) {
            ++i;
        }
    }
    return count;
}

void appendUtf8(std::string& out, char32_t c)
{
    if (c < 0x80) {
        out += static_cast<char>(c);
        return;
    }
    const int extra = c < 0x800 ? 1 : c < 0x10000 ? 2 : 3;
    static constexpr unsigned char kLead[] = {0, 0xC0, 0xE0, 0xF0};
    out += static_cast<char>(kLead[extra] | (c >> (6 * extra)));
    for (int shift = 6 * (extra - 1); shift >= 0; shift -= 6) {
        out += static_cast<char>(0x80 | ((c >> shift) & 0x3F));
    }
}

// Strict UTF-8: no overlong forms, no surrogates, nothing above U+10FFFF.
bool decodeStrictUtf8(std::string_view bytes, std::u16string& out)
{
    const auto* p = reinterpret_cast<const unsigned char*>(bytes.data());
    for (std::size_t i = 0; i < bytes.size();) {
        const unsigned char lead = p[i];
        const int extra = lead < 0x80   ? 0
                          : lead < 0xC2 ? -1
                          : lead < 0xE0 ? 1
                          : lead < 0xF0 ? 2
                          : lead < 0xF5 ? 3
                                        : -1;
        if (extra < 0 || i + static_cast<std::size_t>(extra) >= bytes.size()) {
            return false;
        }
        char32_t c = extra == 0 ? lead : lead & (0x3F >> extra);
        for (int k = 1; k <= extra; ++k) {
            if ((p[i + k] & 0xC0) != 0x80) {
                return false;
            }
            c = (c << 6) | (p[i + k] & 0x3F);
        }
        static constexpr char32_t kMinimum[] = {0, 0x80, 0x800, 0x10000};
        if (c < kMinimum[extra] || c > 0x10FFFF || (c >= 0xD800 && c <= 0xDFFF)) {
            return false;
        }
        if (c >= 0x10000) {
            out += static_cast<char16_t>(0xD800 + ((c - 0x10000) >> 10));
            out += static_cast<char16_t>(0xDC00 + ((c - 0x10000) & 0x3FF));
        } else {
            out += static_cast<char16_t>(c);
        }
        i += static_cast<std::size_t>(extra) + 1;
    }
    return true;
}

// Whether a single-byte code page holds a UTF-16 code unit: whether one of its 256 bytes
// decodes to it.
bool holds(int codePage, char32_t c)
{
    static const auto images = [] {
        std::array<std::vector<bool>, kCodePages.size()> sets;
        for (std::size_t k = 0; k < kCodePages.size(); ++k) {
            sets[k].assign(0x10000, false);
            for (int b = 0; b < 256; ++b) {
                sets[k][decode(std::string(1, static_cast<char>(b)), kCodePages[k])[0]] = true;
            }
        }
        return sets;
    }();
    for (std::size_t k = 0; k < kCodePages.size(); ++k) {
        if (kCodePages[k] == codePage) {
            return c <= 0xFFFF && images[k][c];
        }
    }
    return false;
}

void checkDecode(std::string_view bytes)
{
    for (const int codePage : kCodePages) {
        const std::u16string text = decode(bytes, codePage);
        if (codePage == netcomp::kCodePageUtf8) {
            FUZZ_CHECK(isWellFormedUtf16(text));
            // Whatever was decoded is carried by UTF-8 unchanged.
            FUZZ_CHECK(decode(encode(text, codePage), codePage) == text);
            std::u16string strict;
            if (decodeStrictUtf8(bytes, strict)) {
                FUZZ_CHECK(text == strict);
                FUZZ_CHECK(encode(text, codePage) == bytes);
            } else {
                FUZZ_CHECK(text.find(kReplacement) != text.npos);
            }
            continue;
        }
        // Single-byte code pages: one character per byte, and every byte maps (the five
        // bytes Windows-1252 leaves undefined map to their C1 controls).
        FUZZ_CHECK(text.size() == bytes.size());
        for (std::size_t i = 0; i < bytes.size(); ++i) {
            const auto b = static_cast<unsigned char>(bytes[i]);
            if (codePage == netcomp::kCodePageLatin1 || b < 0x80 || b > 0x9F) {
                FUZZ_CHECK(text[i] == b);
            }
        }
        FUZZ_CHECK(encode(text, codePage) == bytes);
    }
}

void checkEncode(std::u16string_view text)
{
    for (const int codePage : kCodePages) {
        const std::string bytes = encode(text, codePage);
        if (codePage == netcomp::kCodePageUtf8) {
            std::string expected;
            const std::u16string carried = withoutLoneSurrogates(text);
            for (std::size_t i = 0; i < carried.size(); ++i) {
                char32_t c = carried[i];
                if (isHighSurrogate(c)) {
                    c = 0x10000 + ((c - 0xD800) << 10) + (carried[++i] - 0xDC00);
                }
                appendUtf8(expected, c);
            }
            FUZZ_CHECK(bytes == expected);
            FUZZ_CHECK(decode(bytes, codePage) == carried);
            continue;
        }
        // One byte per code point; what the code page holds comes back, the rest is "?".
        FUZZ_CHECK(bytes.size() == codePointCount(text));
        const std::u16string back = decode(bytes, codePage);
        std::size_t j = 0;
        for (std::size_t i = 0; i < text.size(); ++i, ++j) {
            const bool pair =
                isHighSurrogate(text[i]) && i + 1 < text.size() && isLowSurrogate(text[i + 1]);
            if (pair) {
                FUZZ_CHECK(bytes[j] == '?');
                ++i;
            } else if (holds(codePage, text[i])) {
                FUZZ_CHECK(back[j] == text[i]);
            } else {
                FUZZ_CHECK(bytes[j] == '?');
            }
        }
    }
}

void checkAppendCodePoint(char32_t c)
{
    for (const int codePage : kCodePages) {
        std::string out = "x";
        netcomp::appendCodePoint(out, c, codePage);
        FUZZ_CHECK(out.front() == 'x');
        const std::string_view added = std::string_view(out).substr(1);
        const bool scalar = c <= 0x10FFFF && !(c >= 0xD800 && c <= 0xDFFF);
        if (codePage == netcomp::kCodePageUtf8) {
            std::string expected;
            appendUtf8(expected, scalar ? c : kReplacement);
            FUZZ_CHECK(added == expected);
            continue;
        }
        FUZZ_CHECK(added.size() == 1);
        const char16_t back = decode(added, codePage)[0];
        if (holds(codePage, c)) {
            FUZZ_CHECK(back == c);
        } else {
            FUZZ_CHECK(added == "?");
        }
        // The same byte as encoding the code point as text.
        if (scalar && c >= 0x80) {
            std::u16string text;
            if (c >= 0x10000) {
                text += static_cast<char16_t>(0xD800 + ((c - 0x10000) >> 10));
                text += static_cast<char16_t>(0xDC00 + ((c - 0x10000) & 0x3FF));
            } else {
                text += static_cast<char16_t>(c);
            }
            FUZZ_CHECK(encode(text, codePage) == added);
        }
    }
}

} // namespace

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, std::size_t size)
{
    const std::string_view bytes(reinterpret_cast<const char*>(data), size);
    checkDecode(bytes);

    std::u16string text(size / 2, u'\0');
    for (std::size_t i = 0; i < text.size(); ++i) {
        text[i] = static_cast<char16_t>(data[2 * i] | (data[2 * i + 1] << 8));
    }
    checkEncode(text);

    for (std::size_t i = 0; i + 4 <= size && i < 64; i += 4) {
        uint32_t c;
        std::memcpy(&c, data + i, sizeof c);
        checkAppendCodePoint(c);
        // Most of the 32-bit range lies above Unicode; the low part reaches every plane.
        checkAppendCodePoint(c & 0x1FFFFF);
    }

    // Other code page numbers are not supported; the conversions must still be safe.
    if (size >= 4) {
        int32_t codePage;
        std::memcpy(&codePage, data, sizeof codePage);
        const bool known =
            codePage == 0 || codePage == 1252 || codePage == 28591 || codePage == 65001;
        FUZZ_CHECK(netcomp::isSupportedCodePage(codePage) == known);
        decode(bytes.substr(4), codePage);
        encode(std::u16string_view(text).substr(2), codePage);
    }
    return 0;
}
