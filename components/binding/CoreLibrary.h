#pragma once

#include "CoreImage.h"

#include <memory>
#include <string>

namespace netcomp::binding {

// One loaded core library. Maps an embedded image through an anonymous memory file,
// or loads the library file from beside the executable.
class CoreLibrary {
public:
    ~CoreLibrary();
    CoreLibrary(const CoreLibrary&) = delete;
    CoreLibrary& operator=(const CoreLibrary&) = delete;

    // Null when the image is no ELF shared object or cannot be loaded.
    static std::unique_ptr<CoreLibrary> fromImage(CoreImage image, const std::string& fileName);
    static bool memoryFilesAvailable();
    static std::unique_ptr<CoreLibrary> fromFile(const std::string& path);

    void* symbol(const char* name) const;

private:
    explicit CoreLibrary(void* handle, int fd = -1) : m_handle(handle), m_fd(fd) {}
    void* m_handle;
    int m_fd;
};

bool hasElfSignature(CoreImage image);
std::string executableDirectory();

} // namespace netcomp::binding
