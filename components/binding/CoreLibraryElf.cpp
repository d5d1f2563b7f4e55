#include "components/binding/CoreLibrary.h"

#include <cerrno>
#include <cstring>
#include <dlfcn.h>
#include <sys/mman.h>
#include <unistd.h>

namespace netcomp::binding {

bool hasElfSignature(CoreImage image)
{
    static constexpr unsigned char kElf[] = {0x7F, 'E', 'L', 'F'};
    return image.data && image.size >= 64 && std::memcmp(image.data, kElf, sizeof kElf) == 0;
}

std::string executableDirectory()
{
    char buffer[4096];
    const ssize_t n = readlink("/proc/self/exe", buffer, sizeof buffer - 1);
    if (n <= 0) {
        return ".";
    }
    std::string path(buffer, static_cast<std::size_t>(n));
    const auto slash = path.rfind('/');
    return slash == std::string::npos ? "." : path.substr(0, slash);
}

namespace {

bool memoryFilesAvailable()
{
    const int fd = memfd_create("netcomp-probe", MFD_CLOEXEC);
    if (fd < 0) {
        return errno != ENOSYS;
    }
    close(fd);
    return true;
}

} // namespace

CoreLibrary::~CoreLibrary()
{
    if (m_handle) {
        dlclose(m_handle);
    }
    if (m_fd >= 0) {
        close(m_fd);
    }
}

std::unique_ptr<CoreLibrary> CoreLibrary::load(CoreImage image, const std::string& fileName,
                                               const std::string&)
{
    if (!image.data || !memoryFilesAvailable()) {
        void* handle =
            dlopen((executableDirectory() + "/" + fileName).c_str(), RTLD_NOW | RTLD_LOCAL);
        if (!handle) {
            return nullptr;
        }
        std::unique_ptr<CoreLibrary> library(new CoreLibrary);
        library->m_handle = handle;
        return library;
    }
    if (!hasElfSignature(image)) {
        return nullptr;
    }
    const int fd = memfd_create(fileName.c_str(), MFD_CLOEXEC);
    if (fd < 0) {
        return nullptr;
    }
    std::size_t written = 0;
    while (written < image.size) {
        const ssize_t n = write(fd, image.data + written, image.size - written);
        if (n < 0 && errno == EINTR) {
            continue;
        }
        if (n <= 0) {
            close(fd);
            return nullptr;
        }
        written += static_cast<std::size_t>(n);
    }
    const std::string path = "/proc/self/fd/" + std::to_string(fd);
    // The descriptor stays open while the library is loaded: the loader knows libraries
    // by path, and a reused descriptor number would name an already loaded core.
    void* handle = dlopen(path.c_str(), RTLD_NOW | RTLD_LOCAL);
    if (!handle) {
        close(fd);
        return nullptr;
    }
    std::unique_ptr<CoreLibrary> library(new CoreLibrary);
    library->m_handle = handle;
    library->m_fd = fd;
    return library;
}

void* CoreLibrary::symbol(const char* name) const
{
    return dlsym(m_handle, name);
}

} // namespace netcomp::binding
