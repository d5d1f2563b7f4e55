#include "app/win32/MessageBoxPresenter.h"

#include "app/win32/WideText.h"

namespace {

std::wstring programName()
{
    wchar_t path[MAX_PATH] = {};
    const DWORD length = GetModuleFileNameW(nullptr, path, MAX_PATH);
    std::wstring name(path, length);
    name.erase(0, name.find_last_of(L"\\/") + 1);
    if (const size_t dot = name.find_last_of(L'.'); dot != std::wstring::npos) {
        name.erase(dot);
    }
    return name;
}

} // namespace

void MessageBoxPresenter::inform(std::u16string_view text)
{
    show(text, 0);
}

void MessageBoxPresenter::error(std::u16string_view text)
{
    show(text, MB_ICONERROR);
}

void MessageBoxPresenter::show(std::u16string_view text, UINT icon)
{
    const HWND owner = IsWindow(m_owner) ? m_owner : nullptr;
    MessageBoxW(owner, toWide(text).c_str(), programName().c_str(),
                MB_OK | icon | (owner ? MB_APPLMODAL : MB_TASKMODAL) | MB_SETFOREGROUND);
}
