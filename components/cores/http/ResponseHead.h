#pragma once

#include <optional>
#include <string>
#include <string_view>

namespace netcomp::http {

// One line of a response head, without its line end.
struct StatusLineParts {
    std::string_view version; // "1.1"
    int code = 0;
    std::string_view reason;
};
struct HeaderField {
    std::string_view field;
    std::string_view value;
};

// "HTTP/1.1 200 OK"; nothing when the line is no status line: HTTP/1.0 or 1.1 (the
// transfers ask for nothing else), blanks, exactly three digits, the reason.
std::optional<StatusLineParts> parseStatusLine(std::string_view line);
// "Field: value" with blanks trimmed; nothing for a line without a colon.
std::optional<HeaderField> parseHeaderField(std::string_view line);

// What a response head must keep consistent while its lines are read, on every
// transport: it begins with a valid status line, and it gives one Content-Length.
class HeadConsistency {
public:
    // False when the line makes the answer malformed: an "HTTP/" line that is no status
    // line before any status line, or a second, different Content-Length.
    bool accept(std::string_view line);

private:
    bool m_statusSeen = false;
    std::optional<std::string> m_contentLength;
};

} // namespace netcomp::http
