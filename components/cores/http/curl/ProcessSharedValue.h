#pragma once

#include "components/cores/netcomp_api.h"

namespace netcomp::http {

// The value the program shares between its cores under key, made by make on first use.
// A core loaded without the program's table makes its own.
void* processSharedValue(const char* key, netcomp_make_shared_fn make);

} // namespace netcomp::http
