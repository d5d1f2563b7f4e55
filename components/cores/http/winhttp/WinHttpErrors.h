#pragma once

#include "components/cores/common/CoreError.h"

#include <windows.h>

namespace netcomp::http {

// The error a failed WinHTTP call is reported with, in the codes the Linux transport
// uses too.
core::CoreError winHttpFailure(DWORD error, int timeoutSeconds);

} // namespace netcomp::http
