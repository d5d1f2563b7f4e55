#include "components/cores/http/curl/ProcessSharedValue.h"

#include <dlfcn.h>

namespace netcomp::http {

void* processSharedValue(const char* key, netcomp_make_shared_fn make)
{
    const auto table = reinterpret_cast<netcomp_process_shared_fn>(
        dlsym(RTLD_DEFAULT, NETCOMP_PROCESS_SHARED_SYMBOL));
    return table ? table(key, make) : make();
}

} // namespace netcomp::http
