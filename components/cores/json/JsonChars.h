#pragma once

#include <array>
#include <string_view>

namespace netcomp::json::chars {

// The byte classes of JSON's grammar, for the parser and the scanner alike.
constexpr std::array<bool, 256> makeTable(bool controls, std::string_view chars)
{
    std::array<bool, 256> table{};
    for (int c = 0; c < 0x20; ++c) {
        table[c] = controls;
    }
    for (char c : chars) {
        table[static_cast<unsigned char>(c)] = true;
    }
    return table;
}

inline constexpr auto kWhitespace = makeTable(false, " \t\n\r");
// Bytes that end a plain run inside a string: the quote, the backslash, control bytes.
inline constexpr auto kStringSpecial = makeTable(true, "\"\\");

inline unsigned char byte(char c)
{
    return static_cast<unsigned char>(c);
}
inline bool isWhitespace(char c)
{
    return kWhitespace[byte(c)];
}
inline bool isDigit(char c)
{
    return static_cast<unsigned char>(c - '0') < 10;
}
inline bool isHex(char c)
{
    return isDigit(c) || static_cast<unsigned char>((c | 0x20) - 'a') < 6;
}

} // namespace netcomp::json::chars
