#pragma once

#include <string_view>

namespace netcomp::json {

// Writes the content of a validated JSON string (without its quotes) with its escapes
// decoded; \u escapes, surrogate pairs included, become the code page's bytes. Decoding
// never lengthens the text, so out needs room for body.size() bytes. Returns the end.
char* writeUnescaped(char* out, std::string_view body, int codePage);

} // namespace netcomp::json
