#pragma once

#include "CoreImage.h"
#include "CoreLibrary.h"
#include "netcomp_api.h"

#include <atomic>
#include <memory>
#include <mutex>
#include <string>

namespace netcomp::binding {

struct EntryPoints {
    netcomp_create_fn create = nullptr;
    netcomp_destroy_fn destroy = nullptr;
    netcomp_get_fn get = nullptr;
    netcomp_set_fn set = nullptr;
    netcomp_do_fn doMethod = nullptr;
    netcomp_check_index_fn checkIndex = nullptr;
    netcomp_get_last_error_fn getLastError = nullptr;
    netcomp_get_last_error_code_fn getLastErrorCode = nullptr;
};

// The shared state of one component class: its lock, the mapped core and the resolved
// entry points. The core is mapped once per process at the first construction and
// unmapped when the class is finalised at exit.
class CoreClass {
public:
    CoreClass(std::string className, std::string prefix, std::string libraryFileName,
              CoreImage image);
    ~CoreClass();
    CoreClass(const CoreClass&) = delete;
    CoreClass& operator=(const CoreClass&) = delete;

    // Resolves the entry points, mapping the core first when needed. Raises
    // EOutOfMemory "Could not load component library (...)." when that fails.
    const EntryPoints& entryPoints();

    const std::string& className() const { return m_className; }
    const std::string& libraryFileName() const { return m_libraryFileName; }
    // How often the core has been mapped in this process.
    int mappings() const { return m_mappings.load(); }

private:
    void map();
    void resolve();

    std::string m_className;
    std::string m_prefix;
    std::string m_libraryFileName;
    CoreImage m_image;
    std::mutex m_lock;
    std::unique_ptr<CoreLibrary> m_library;
    EntryPoints m_entryPoints;
    std::atomic<bool> m_resolved{false};
    std::atomic<int> m_mappings{0};
};

CoreClass& httpCoreClass();
CoreClass& restCoreClass();
CoreClass& jsonCoreClass();

} // namespace netcomp::binding
