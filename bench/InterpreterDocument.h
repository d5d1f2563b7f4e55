#pragma once

#include <cstddef>
#include <string>
#include <string_view>

// Interpreter documents shaped like the service's: the parameter entries first, then
// Params (entries + 1) and Introtext, indented by four spaces, UTF-8, with German texts
// that carry the placeholder words and an escaped line break.
inline constexpr std::string_view kMatchingParameter = "Blei";

// matchingEntries of the entries, spread evenly, carry kMatchingParameter with limit 10.
std::string makeInterpreterDocument(int entries, int matchingEntries = 0);
// The document with the fewest entries that reaches minimumBytes.
std::string makeInterpreterDocumentOfSize(std::size_t minimumBytes);
