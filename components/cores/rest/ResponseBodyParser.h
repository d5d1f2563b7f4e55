#pragma once

#include <string_view>

namespace netcomp::rest {

// Parses a response body whose Content-Type names JSON or XML (compared without regard
// to case), each call from scratch; other bodies, and bodies of nothing but white space,
// are left alone. Throws CoreError NETCOMP_ERR_JSON_MARKUP "Invalid JSON markup." for
// malformed or incomplete JSON and NETCOMP_ERR_XML_MARKUP with expat's text and line
// for XML that is not well-formed.
void parseResponseBody(std::string_view contentType, std::string_view body, int codePage);

} // namespace netcomp::rest
