#include "components/cores/http/ResponseHead.h"

#include "components/cores/common/CoreObject.h"

#include <algorithm>

namespace netcomp::http {

namespace {

std::string_view trimmed(std::string_view text)
{
    while (!text.empty() && (text.front() == ' ' || text.front() == '\t')) {
        text.remove_prefix(1);
    }
    while (!text.empty() && (text.back() == ' ' || text.back() == '\t' || text.back() == '\r' ||
                             text.back() == '\n')) {
        text.remove_suffix(1);
    }
    return text;
}

} // namespace

std::optional<StatusLineParts> parseStatusLine(std::string_view line)
{
    if (line.substr(0, 5) != "HTTP/") {
        return std::nullopt;
    }
    const auto blank = line.find(' ');
    if (blank == line.npos) {
        return std::nullopt;
    }
    StatusLineParts parts;
    parts.version = line.substr(5, blank - 5);
    if (parts.version != "1.0" && parts.version != "1.1") {
        return std::nullopt;
    }
    std::string_view rest = line.substr(blank);
    while (!rest.empty() && rest.front() == ' ') {
        rest.remove_prefix(1);
    }
    // Exactly three digits, then the end or a blank before the reason.
    if (rest.size() < 3 || (rest.size() > 3 && rest[3] != ' ')) {
        return std::nullopt;
    }
    for (std::size_t i = 0; i < 3; ++i) {
        if (rest[i] < '0' || rest[i] > '9') {
            return std::nullopt;
        }
        parts.code = parts.code * 10 + (rest[i] - '0');
    }
    rest.remove_prefix(std::min<std::size_t>(rest.size(), 4));
    parts.reason = rest;
    return parts;
}

bool HeadConsistency::accept(std::string_view line)
{
    if (parseStatusLine(line)) {
        // A new response begins (an interim 1xx answer may come before the final one).
        m_statusSeen = true;
        m_contentLength.reset();
        return true;
    }
    if (line.starts_with("HTTP/") && !m_statusSeen) {
        return false;
    }
    const auto header = parseHeaderField(line);
    if (!header || !core::equalsIgnoringCase(header->field, "Content-Length")) {
        return true;
    }
    // Two different lengths leave the end of the body open to either reading.
    if (m_contentLength && *m_contentLength != header->value) {
        return false;
    }
    m_contentLength.emplace(header->value);
    return true;
}

std::optional<HeaderField> parseHeaderField(std::string_view line)
{
    const auto colon = line.find(':');
    if (colon == line.npos) {
        return std::nullopt;
    }
    return HeaderField{trimmed(line.substr(0, colon)), trimmed(line.substr(colon + 1))};
}

} // namespace netcomp::http
