#include "components/binding/BuiltInCores.h"
#include "components/binding/CoreLibrary.h"
#include "components/codepage/CodePage.h"

#include <windows.h>

#include <string>

namespace netcomp::binding {

std::string executableDirectory()
{
    wchar_t buffer[MAX_PATH * 4];
    const DWORD n = GetModuleFileNameW(nullptr, buffer, static_cast<DWORD>(std::size(buffer)));
    if (n == 0 || n >= std::size(buffer)) {
        return ".";
    }
    const std::u16string path(reinterpret_cast<const char16_t*>(buffer), n);
    const auto slash = path.find_last_of(u"\\/");
    return slash == std::u16string::npos ? "." : toUtf8(path.substr(0, slash));
}

CoreLibrary::~CoreLibrary()
{
    if (m_handle) {
        FreeLibrary(static_cast<HMODULE>(m_handle));
    }
}

std::unique_ptr<CoreLibrary> CoreLibrary::load(CoreImage, const std::string& fileName,
                                               const std::string& prefix)
{
    std::unique_ptr<CoreLibrary> library(new CoreLibrary);
    if (hasBuiltInCore(prefix.c_str())) {
        return library;
    }
    const std::u16string path = fromUtf8(executableDirectory() + "\\" + fileName);
    library->m_handle = LoadLibraryExW(reinterpret_cast<const wchar_t*>(path.c_str()), nullptr,
                                       LOAD_WITH_ALTERED_SEARCH_PATH);
    if (!library->m_handle) {
        return nullptr;
    }
    return library;
}

void* CoreLibrary::symbol(const char* name) const
{
    if (!m_handle) {
        return builtInEntryPoint(name);
    }
    return reinterpret_cast<void*>(GetProcAddress(static_cast<HMODULE>(m_handle), name));
}

} // namespace netcomp::binding
