#pragma once

#include <string_view>

namespace netcomp::rest {

// Checks that an XML body is well-formed. Throws CoreError NETCOMP_ERR_XML_MARKUP
// "Invalid XML markup (why, line n)." when it is not.
void checkXml(std::string_view body);

} // namespace netcomp::rest
