#pragma once

#include "components/cores/netcomp_api.h"

#include <string>

namespace netcomp {

// The eight entry points a component class reaches its core through, resolved by their
// exact names under the class's prefix ("NetComp_JSON_Create", ...).
struct CoreEntryPoints {
    netcomp_create_fn create = nullptr;
    netcomp_destroy_fn destroy = nullptr;
    netcomp_get_fn get = nullptr;
    netcomp_set_fn set = nullptr;
    netcomp_do_fn doMethod = nullptr;
    netcomp_check_index_fn checkIndex = nullptr;
    netcomp_get_last_error_fn getLastError = nullptr;
    netcomp_get_last_error_code_fn getLastErrorCode = nullptr;

    // lookup(name) gives the address of an exported function, or null.
    template <class Lookup>
    static CoreEntryPoints resolve(const std::string& prefix, Lookup&& lookup)
    {
        auto entry = [&](const char* name) { return lookup((prefix + name).c_str()); };
        CoreEntryPoints e;
        e.create = reinterpret_cast<netcomp_create_fn>(entry("Create"));
        e.destroy = reinterpret_cast<netcomp_destroy_fn>(entry("Destroy"));
        e.get = reinterpret_cast<netcomp_get_fn>(entry("Get"));
        e.set = reinterpret_cast<netcomp_set_fn>(entry("Set"));
        e.doMethod = reinterpret_cast<netcomp_do_fn>(entry("Do"));
        e.checkIndex = reinterpret_cast<netcomp_check_index_fn>(entry("CheckIndex"));
        e.getLastError = reinterpret_cast<netcomp_get_last_error_fn>(entry("GetLastError"));
        e.getLastErrorCode =
            reinterpret_cast<netcomp_get_last_error_code_fn>(entry("GetLastErrorCode"));
        return e;
    }

    bool complete() const
    {
        return create && destroy && get && set && doMethod && checkIndex && getLastError &&
               getLastErrorCode;
    }
};

} // namespace netcomp
