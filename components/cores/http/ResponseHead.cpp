#include "ResponseHead.h"

namespace netcomp::http {

namespace {

std::string_view trimmed(std::string_view text)
{
    while (!text.empty() && (text.front() == ' ' || text.front() == '\t'))
        text.remove_prefix(1);
    while (!text.empty() && (text.back() == ' ' || text.back() == '\t' || text.back() == '\r' ||
                             text.back() == '\n'))
        text.remove_suffix(1);
    return text;
}

} // namespace

std::optional<StatusLineParts> parseStatusLine(std::string_view line)
{
    if (line.substr(0, 5) != "HTTP/")
        return std::nullopt;
    StatusLineParts parts;
    const auto firstBlank = line.find(' ');
    parts.version = line.substr(5, firstBlank == line.npos ? line.npos : firstBlank - 5);
    std::string_view rest =
        firstBlank == line.npos ? std::string_view() : line.substr(firstBlank + 1);
    std::size_t digits = 0;
    while (digits < rest.size() && digits < 3 && rest[digits] >= '0' && rest[digits] <= '9')
        parts.code = parts.code * 10 + (rest[digits++] - '0');
    rest.remove_prefix(digits);
    if (!rest.empty() && rest.front() == ' ')
        rest.remove_prefix(1);
    parts.reason = rest;
    return parts;
}

std::optional<HeaderField> parseHeaderField(std::string_view line)
{
    const auto colon = line.find(':');
    if (colon == line.npos)
        return std::nullopt;
    return HeaderField{trimmed(line.substr(0, colon)), trimmed(line.substr(colon + 1))};
}

} // namespace netcomp::http
