#include "components/codepage/CodePage.h"

#include <array>

#if defined(_WIN32)
#include <windows.h>
#endif

namespace netcomp {
namespace {

// Windows-1252 bytes 0x80 to 0x9F. The five bytes Windows leaves undefined map to
// the C1 control of the same value, as Windows' own conversion does.
constexpr std::array<char16_t, 32> kWindows1252High = {
    0x20AC, 0x0081, 0x201A, 0x0192, 0x201E, 0x2026, 0x2020, 0x2021, 0x02C6, 0x2030, 0x0160,
    0x2039, 0x0152, 0x008D, 0x017D, 0x008F, 0x0090, 0x2018, 0x2019, 0x201C, 0x201D, 0x2022,
    0x2013, 0x2014, 0x02DC, 0x2122, 0x0161, 0x203A, 0x0153, 0x009D, 0x017E, 0x0178};

constexpr char16_t kReplacement = 0xFFFD;

bool isWindows1252(int codePage)
{
    return codePage == kCodePageAnsi || codePage == kCodePageWindows1252;
}

char windows1252Byte(char32_t c)
{
    if (c < 0x80 || (c >= 0xA0 && c <= 0xFF)) {
        return static_cast<char>(c);
    }
    for (std::size_t i = 0; i < kWindows1252High.size(); ++i) {
        if (kWindows1252High[i] == c) {
            return static_cast<char>(0x80 + i);
        }
    }
    return '?';
}

void appendUtf8(std::string& out, char32_t c)
{
    if (c < 0x80) {
        out.push_back(static_cast<char>(c));
    } else if (c < 0x800) {
        out.push_back(static_cast<char>(0xC0 | (c >> 6)));
        out.push_back(static_cast<char>(0x80 | (c & 0x3F)));
    } else if (c < 0x10000) {
        out.push_back(static_cast<char>(0xE0 | (c >> 12)));
        out.push_back(static_cast<char>(0x80 | ((c >> 6) & 0x3F)));
        out.push_back(static_cast<char>(0x80 | (c & 0x3F)));
    } else {
        out.push_back(static_cast<char>(0xF0 | (c >> 18)));
        out.push_back(static_cast<char>(0x80 | ((c >> 12) & 0x3F)));
        out.push_back(static_cast<char>(0x80 | ((c >> 6) & 0x3F)));
        out.push_back(static_cast<char>(0x80 | (c & 0x3F)));
    }
}

void appendUtf16(std::u16string& out, char32_t c)
{
    if (c < 0x10000) {
        out.push_back(static_cast<char16_t>(c));
    } else {
        c -= 0x10000;
        out.push_back(static_cast<char16_t>(0xD800 + (c >> 10)));
        out.push_back(static_cast<char16_t>(0xDC00 + (c & 0x3FF)));
    }
}

std::u16string decodeUtf8(std::string_view bytes)
{
    std::u16string out;
    out.reserve(bytes.size());
    const auto* p = reinterpret_cast<const unsigned char*>(bytes.data());
    const std::size_t n = bytes.size();
    std::size_t i = 0;
    while (i < n) {
        const unsigned char b = p[i];
        if (b < 0x80) {
            out.push_back(b);
            ++i;
            continue;
        }
        int extra = 0;
        char32_t c = 0;
        char32_t min = 0;
        if (b >= 0xC2 && b <= 0xDF) {
            extra = 1, c = b & 0x1F, min = 0x80;
        } else if (b >= 0xE0 && b <= 0xEF) {
            extra = 2, c = b & 0x0F, min = 0x800;
        } else if (b >= 0xF0 && b <= 0xF4) {
            extra = 3, c = b & 0x07, min = 0x10000;
        } else {
            out.push_back(kReplacement);
            ++i;
            continue;
        }
        std::size_t j = 1;
        for (; j <= static_cast<std::size_t>(extra) && i + j < n; ++j) {
            if ((p[i + j] & 0xC0) != 0x80) {
                break;
            }
            c = (c << 6) | (p[i + j] & 0x3F);
        }
        if (j != static_cast<std::size_t>(extra) + 1 || c < min || c > 0x10FFFF ||
            (c >= 0xD800 && c <= 0xDFFF)) {
            // One replacement for the longest invalid prefix, then resynchronise.
            out.push_back(kReplacement);
            i += j;
            continue;
        }
        appendUtf16(out, c);
        i += j;
    }
    return out;
}

#if defined(_WIN32)
// Code page 0 is the system's real ANSI code page, with its default character for what it
// cannot hold (no best-fit look-alikes).
std::string encodeAnsi(std::u16string_view original)
{
    if (original.empty()) {
        return {};
    }
    // One default character per character beyond the BMP, which no ANSI code page holds;
    // left whole, some versions of Windows give one per surrogate.
    std::u16string text(original);
    for (std::size_t i = 0; i + 1 < text.size(); ++i) {
        if (text[i] >= 0xD800 && text[i] <= 0xDBFF && text[i + 1] >= 0xDC00 &&
            text[i + 1] <= 0xDFFF) {
            text.replace(i, 2, 1, kReplacement);
        }
    }
    const auto* wide = reinterpret_cast<const wchar_t*>(text.data());
    const int length = static_cast<int>(text.size());
    const int size = WideCharToMultiByte(CP_ACP, WC_NO_BEST_FIT_CHARS, wide, length, nullptr, 0,
                                         nullptr, nullptr);
    std::string out(static_cast<std::size_t>(size), '\0');
    WideCharToMultiByte(CP_ACP, WC_NO_BEST_FIT_CHARS, wide, length, out.data(), size, nullptr,
                        nullptr);
    return out;
}

std::u16string decodeAnsi(std::string_view bytes)
{
    if (bytes.empty()) {
        return {};
    }
    const int length = static_cast<int>(bytes.size());
    const int size = MultiByteToWideChar(CP_ACP, 0, bytes.data(), length, nullptr, 0);
    std::u16string out(static_cast<std::size_t>(size), u'\0');
    MultiByteToWideChar(CP_ACP, 0, bytes.data(), length, reinterpret_cast<wchar_t*>(out.data()),
                        size);
    return out;
}
#endif

} // namespace

bool isSupportedCodePage(int codePage)
{
    return isWindows1252(codePage) || codePage == kCodePageLatin1 || codePage == kCodePageUtf8;
}

void appendCodePoint(std::string& out, char32_t c, int codePage)
{
    if (codePage == kCodePageUtf8) {
        appendUtf8(out, (c >= 0xD800 && c <= 0xDFFF) || c > 0x10FFFF ? kReplacement : c);
    } else if (codePage == kCodePageLatin1) {
        out.push_back(c <= 0xFF ? static_cast<char>(c) : '?');
#if defined(_WIN32)
    } else if (codePage == kCodePageAnsi) {
        std::u16string unit;
        appendUtf16(unit, c);
        out += encodeAnsi(unit);
#endif
    } else {
        out.push_back(windows1252Byte(c));
    }
}

std::string encode(std::u16string_view text, int codePage)
{
#if defined(_WIN32)
    if (codePage == kCodePageAnsi) {
        return encodeAnsi(text);
    }
#endif
    std::string out;
    out.reserve(text.size());
    for (std::size_t i = 0; i < text.size(); ++i) {
        char32_t c = text[i];
        if (c >= 0xD800 && c <= 0xDBFF && i + 1 < text.size() && text[i + 1] >= 0xDC00 &&
            text[i + 1] <= 0xDFFF) {
            c = 0x10000 + ((c - 0xD800) << 10) + (text[i + 1] - 0xDC00);
            ++i;
        }
        if (c < 0x80) {
            out.push_back(static_cast<char>(c));
        } else {
            appendCodePoint(out, c, codePage);
        }
    }
    return out;
}

std::u16string decode(std::string_view bytes, int codePage)
{
    if (codePage == kCodePageUtf8) {
        return decodeUtf8(bytes);
    }
#if defined(_WIN32)
    if (codePage == kCodePageAnsi) {
        return decodeAnsi(bytes);
    }
#endif
    std::u16string out;
    out.reserve(bytes.size());
    const bool cp1252 = isWindows1252(codePage);
    for (unsigned char b : bytes) {
        if (cp1252 && b >= 0x80 && b <= 0x9F) {
            out.push_back(kWindows1252High[b - 0x80]);
        } else {
            out.push_back(b);
        }
    }
    return out;
}

} // namespace netcomp
