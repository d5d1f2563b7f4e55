#pragma once

#include <string>
#include <string_view>

namespace netcomp::http {

// Writes the body of a successful GET to the file named by LocalFile (UTF-8 on Windows).
// Throws CoreError NETCOMP_ERR_LOCAL_FILE when the file cannot be written whole.
void writeLocalFile(const std::string& fileName, std::string_view body);

} // namespace netcomp::http
