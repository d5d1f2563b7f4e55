#include "components/binding/ProcessShared.h"

#include "components/cores/netcomp_api.h"

#include <map>
#include <mutex>
#include <string>

namespace netcomp::binding {
namespace {

struct SharedValue {
    void* value = nullptr;
    int makes = 0;
};

std::mutex& sharedLock()
{
    static std::mutex lock;
    return lock;
}

// Never destroyed: the cores keep using their shared values until the process ends,
// after static destructors have run.
std::map<std::string, SharedValue, std::less<>>& sharedValues()
{
    static auto* const values = new std::map<std::string, SharedValue, std::less<>>;
    return *values;
}

} // namespace

int processSharedMakes(std::string_view key)
{
    std::lock_guard lock(sharedLock());
    const auto it = sharedValues().find(key);
    return it == sharedValues().end() ? 0 : it->second.makes;
}

} // namespace netcomp::binding

// The cores are loaded privately (RTLD_LOCAL) and share nothing among themselves; this
// is how the HTTP and REST cores use one trust store per process. Exported from the
// program for them to find by name.
extern "C" __attribute__((visibility("default"))) void*
netcomp_process_shared(const char* key, netcomp_make_shared_fn make)
{
    using namespace netcomp::binding;
    std::lock_guard lock(sharedLock());
    SharedValue& shared = sharedValues()[key];
    if (!shared.value && make) {
        shared.value = make();
        ++shared.makes;
    }
    return shared.value;
}
