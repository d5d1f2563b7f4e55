#pragma once

#include <string>
#include <string_view>

// Conversion between UTF-16 text and the 8-bit text of a code page.
//
// Code page 0 is the system's ANSI code page: on Windows the real one, with its default
// character for what it cannot hold; elsewhere Windows-1252 stands for it. 65001 is
// UTF-8. Characters a single-byte code page cannot hold become "?"; invalid UTF-8 bytes
// and lone surrogates become U+FFFD.
namespace netcomp {

inline constexpr int kCodePageAnsi = 0;
inline constexpr int kCodePageWindows1252 = 1252;
inline constexpr int kCodePageLatin1 = 28591;
inline constexpr int kCodePageUtf8 = 65001;

bool isSupportedCodePage(int codePage);

std::string encode(std::u16string_view text, int codePage);
std::u16string decode(std::string_view bytes, int codePage);

// The text chain of the program passes received text through 8-bit ANSI text.
inline std::string toAnsi(std::u16string_view text)
{
    return encode(text, kCodePageAnsi);
}
inline std::u16string fromAnsi(std::string_view bytes)
{
    return decode(bytes, kCodePageAnsi);
}

// UTF-8 is what the wrappers use for exception messages.
inline std::string toUtf8(std::u16string_view text)
{
    return encode(text, kCodePageUtf8);
}
inline std::u16string fromUtf8(std::string_view bytes)
{
    return decode(bytes, kCodePageUtf8);
}

// Appends the code page's bytes for one Unicode code point (used by JSON escapes).
void appendCodePoint(std::string& out, char32_t codePoint, int codePage);

} // namespace netcomp
