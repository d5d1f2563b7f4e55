#include "components/binding/BuiltInCores.h"

#include "components/binding/CoreImage.h"
#include "components/cores/netcomp_api.h"

#include <cstring>
#include <iterator>

// On Windows the three cores are linked into the program: a program that maps library
// images from memory by hand looks like malware to virus scanners. The wrappers still
// reach them through the same entry points, found here by name.
namespace netcomp::binding {
namespace {

struct Entry {
    const char* name;
    void* address;
};

#define NETCOMP_BUILT_IN(prefix)                                                                   \
    {#prefix "Create", reinterpret_cast<void*>(&prefix##Create)},                                  \
        {#prefix "Destroy", reinterpret_cast<void*>(&prefix##Destroy)},                            \
        {#prefix "Get", reinterpret_cast<void*>(&prefix##Get)},                                    \
        {#prefix "Set", reinterpret_cast<void*>(&prefix##Set)},                                    \
        {#prefix "Do", reinterpret_cast<void*>(&prefix##Do)},                                      \
        {#prefix "CheckIndex", reinterpret_cast<void*>(&prefix##CheckIndex)},                      \
        {#prefix "GetLastError", reinterpret_cast<void*>(&prefix##GetLastError)},                  \
        {#prefix "GetLastErrorCode", reinterpret_cast<void*>(&prefix##GetLastErrorCode)},          \
        {#prefix "StaticInit", reinterpret_cast<void*>(&prefix##StaticInit)},                      \
    {                                                                                              \
        #prefix "StaticDestroy", reinterpret_cast<void*>(&prefix##StaticDestroy)                   \
    }

const Entry kEntries[] = {NETCOMP_BUILT_IN(NetComp_HTTP_), NETCOMP_BUILT_IN(NetComp_REST_),
                          NETCOMP_BUILT_IN(NetComp_JSON_)};

#undef NETCOMP_BUILT_IN

} // namespace

void* builtInEntryPoint(const char* name)
{
    for (const Entry& entry : kEntries) {
        if (std::strcmp(entry.name, name) == 0) {
            return entry.address;
        }
    }
    return nullptr;
}

bool hasBuiltInCore(const char* prefix)
{
    const std::size_t length = std::strlen(prefix);
    for (const Entry& entry : kEntries) {
        if (std::strncmp(entry.name, prefix, length) == 0) {
            return true;
        }
    }
    return false;
}

// No image is carried: the cores are part of the program.
CoreImage httpCoreImage()
{
    return {};
}
CoreImage restCoreImage()
{
    return {};
}
CoreImage jsonCoreImage()
{
    return {};
}

} // namespace netcomp::binding
