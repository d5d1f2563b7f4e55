#pragma once

#include "components/binding/CoreImage.h"

#include <memory>
#include <string>

namespace netcomp::binding {

// One loaded core library, found by the names of its entry points.
//
// Linux: the embedded image is mapped through an anonymous memory file; without an
// image, or without memory files, the library file beside the executable is loaded.
// Windows: the cores are built into the program and found in its table of entry
// points; a prefix the program lacks is loaded as a library file from beside the
// executable.
class CoreLibrary {
public:
    ~CoreLibrary();
    CoreLibrary(const CoreLibrary&) = delete;
    CoreLibrary& operator=(const CoreLibrary&) = delete;

    // Null when the core cannot be loaded.
    static std::unique_ptr<CoreLibrary> load(CoreImage image, const std::string& fileName,
                                             const std::string& prefix);

    void* symbol(const char* name) const;

private:
    CoreLibrary() = default;

    void* m_handle = nullptr; // dlopen handle or module handle; null for built-in cores
    int m_fd = -1;            // the memory file, kept open while the library is loaded
};

// Linux only: whether an embedded image is an ELF shared object.
bool hasElfSignature(CoreImage image);
std::string executableDirectory();

} // namespace netcomp::binding
