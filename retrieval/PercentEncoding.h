#pragma once

#include <string>
#include <string_view>

// Percent-encodes bytes as one path segment: every byte outside A-Z, a-z, 0-9 and
// "-", ".", "_", "~" becomes "%XX", so typed or received text can neither break the
// request line nor change which resource is asked for.
std::string percentEncodePathSegment(std::string_view bytes);
