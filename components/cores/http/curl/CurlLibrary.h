#pragma once

namespace netcomp::http {

// libcurl's process-wide set-up, once; throws CoreError when it fails.
void initialiseCurl();

} // namespace netcomp::http
