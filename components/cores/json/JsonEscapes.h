#pragma once

#include <string>
#include <string_view>

namespace netcomp::json {

// Appends the content of a validated JSON string (without its quotes) with its escapes
// decoded; \u escapes, surrogate pairs included, become the code page's bytes.
void appendUnescaped(std::string& out, std::string_view body, int codePage);

} // namespace netcomp::json
