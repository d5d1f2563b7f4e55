#pragma once

#include <cstddef>
#include <string>
#include <string_view>

namespace netcomp {

// Longest server text shown to a user, in bytes; what goes beyond ends in "...".
inline constexpr std::size_t kShownTextLimit = 200;

// 8-bit text a server sent (a status line, a reason phrase) as it may be shown in a
// message or the output area: control characters become blanks, and it is cut at the
// limit. What the components report as the server's text stays as it was sent.
std::string shownServerText(std::string_view text);

} // namespace netcomp
