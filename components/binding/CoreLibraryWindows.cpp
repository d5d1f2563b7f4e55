#include "CoreLibrary.h"

#include "BuiltInCores.h"

#include <windows.h>

#include <string>

namespace netcomp::binding {

bool hasElfSignature(CoreImage image)
{
    return image.data && image.size >= 64 && image.data[0] == 0x7F && image.data[1] == 'E' &&
           image.data[2] == 'L' && image.data[3] == 'F';
}

std::string executableDirectory()
{
    wchar_t buffer[MAX_PATH * 4];
    const DWORD n = GetModuleFileNameW(nullptr, buffer, static_cast<DWORD>(std::size(buffer)));
    if (n == 0 || n >= std::size(buffer))
        return ".";
    std::wstring path(buffer, n);
    const auto slash = path.find_last_of(L"\\/");
    path = slash == std::wstring::npos ? L"." : path.substr(0, slash);
    const int size = WideCharToMultiByte(CP_UTF8, 0, path.data(), static_cast<int>(path.size()),
                                         nullptr, 0, nullptr, nullptr);
    std::string utf8(static_cast<std::size_t>(size), '\0');
    WideCharToMultiByte(CP_UTF8, 0, path.data(), static_cast<int>(path.size()), utf8.data(), size,
                        nullptr, nullptr);
    return utf8;
}

CoreLibrary::~CoreLibrary()
{
    if (m_handle)
        FreeLibrary(static_cast<HMODULE>(m_handle));
}

std::unique_ptr<CoreLibrary> CoreLibrary::load(CoreImage, const std::string& fileName,
                                               const std::string& prefix)
{
    std::unique_ptr<CoreLibrary> library(new CoreLibrary);
    if (hasBuiltInCore(prefix.c_str()))
        return library;
    const std::string path = executableDirectory() + "\\" + fileName;
    const int size = MultiByteToWideChar(CP_UTF8, 0, path.data(), static_cast<int>(path.size()),
                                         nullptr, 0);
    std::wstring wide(static_cast<std::size_t>(size), L'\0');
    MultiByteToWideChar(CP_UTF8, 0, path.data(), static_cast<int>(path.size()), wide.data(), size);
    library->m_handle = LoadLibraryExW(wide.c_str(), nullptr, LOAD_WITH_ALTERED_SEARCH_PATH);
    if (!library->m_handle)
        return nullptr;
    return library;
}

void* CoreLibrary::symbol(const char* name) const
{
    if (!m_handle)
        return builtInEntryPoint(name);
    return reinterpret_cast<void*>(GetProcAddress(static_cast<HMODULE>(m_handle), name));
}

} // namespace netcomp::binding
