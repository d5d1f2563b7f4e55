#include "components/cores/json/JsonEscapes.h"

#include "components/codepage/CodePage.h"

#include <algorithm>
#include <string>

namespace netcomp::json {
namespace {

char32_t hexValue(std::string_view digits)
{
    char32_t value = 0;
    for (char c : digits) {
        value <<= 4;
        if (c >= '0' && c <= '9') {
            value |= static_cast<char32_t>(c - '0');
        } else {
            value |= static_cast<char32_t>((c | 0x20) - 'a' + 10);
        }
    }
    return value;
}

bool isHighSurrogate(char32_t c)
{
    return c >= 0xD800 && c <= 0xDBFF;
}
bool isLowSurrogate(char32_t c)
{
    return c >= 0xDC00 && c <= 0xDFFF;
}

char simpleEscape(char c)
{
    switch (c) {
    case 'b':
        return '\b';
    case 'f':
        return '\f';
    case 'n':
        return '\n';
    case 'r':
        return '\r';
    case 't':
        return '\t';
    default:
        return c; // '"', '\\' and '/' stand for themselves
    }
}

} // namespace

char* writeUnescaped(char* out, std::string_view body, int codePage)
{
    // A code point takes at most four bytes, which a short string holds in place.
    std::string encoded;
    std::size_t i = 0;
    while (i < body.size()) {
        const std::size_t backslash = std::min(body.find('\\', i), body.size());
        out = std::copy(body.data() + i, body.data() + backslash, out);
        if (backslash == body.size()) {
            return out;
        }
        const char kind = body[backslash + 1];
        if (kind != 'u') {
            *out++ = simpleEscape(kind);
            i = backslash + 2;
            continue;
        }
        char32_t codePoint = hexValue(body.substr(backslash + 2, 4));
        i = backslash + 6;
        if (isHighSurrogate(codePoint) && i + 6 <= body.size() && body[i] == '\\' &&
            body[i + 1] == 'u') {
            const char32_t low = hexValue(body.substr(i + 2, 4));
            if (isLowSurrogate(low)) {
                codePoint = 0x10000 + ((codePoint - 0xD800) << 10) + (low - 0xDC00);
                i += 6;
            }
        }
        if (codePoint < 0x80) {
            *out++ = static_cast<char>(codePoint);
        } else {
            encoded.clear();
            appendCodePoint(encoded, codePoint, codePage);
            out = std::copy(encoded.begin(), encoded.end(), out);
        }
    }
    return out;
}

} // namespace netcomp::json
