#pragma once

#include "components/binding/CoreImage.h"
#include "components/binding/CoreLibrary.h"
#include "components/cores/CoreEntryPoints.h"

#include <atomic>
#include <memory>
#include <mutex>
#include <string>

namespace netcomp::binding {

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
    const CoreEntryPoints& entryPoints();

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
    CoreEntryPoints m_entryPoints;
    std::atomic<bool> m_resolved{false};
    std::atomic<int> m_mappings{0};
};

CoreClass& httpCoreClass();
CoreClass& restCoreClass();
CoreClass& jsonCoreClass();

} // namespace netcomp::binding
