#include "JsonEscapes.h"

#include "CodePage.h"

namespace netcomp::json {
namespace {

char32_t hexValue(std::string_view digits)
{
    char32_t value = 0;
    for (char c : digits) {
        value <<= 4;
        if (c >= '0' && c <= '9')
            value |= static_cast<char32_t>(c - '0');
        else
            value |= static_cast<char32_t>((c | 0x20) - 'a' + 10);
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

void appendUnescaped(std::string& out, std::string_view body, int codePage)
{
    std::size_t i = 0;
    while (i < body.size()) {
        const std::size_t backslash = body.find('\\', i);
        if (backslash == std::string_view::npos) {
            out.append(body.substr(i));
            return;
        }
        out.append(body.substr(i, backslash - i));
        const char kind = body[backslash + 1];
        if (kind != 'u') {
            out.push_back(simpleEscape(kind));
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
        if (codePoint < 0x80)
            out.push_back(static_cast<char>(codePoint));
        else
            appendCodePoint(out, codePoint, codePage);
    }
}

} // namespace netcomp::json
