#include "app/win32/ToolTips.h"

#include <commctrl.h>

ToolTips::~ToolTips()
{
    // Usually gone already, destroyed with the window that owns it.
    if (m_tip && IsWindow(m_tip)) {
        DestroyWindow(m_tip);
    }
}

void ToolTips::create(HWND window, int delayMs, int displayMs)
{
    m_window = window;
    m_tip = CreateWindowExW(WS_EX_TOPMOST, TOOLTIPS_CLASSW, nullptr,
                            WS_POPUP | TTS_ALWAYSTIP | TTS_NOPREFIX, CW_USEDEFAULT, CW_USEDEFAULT,
                            CW_USEDEFAULT, CW_USEDEFAULT, window, nullptr,
                            GetModuleHandleW(nullptr), nullptr);
    SendMessageW(m_tip, TTM_SETDELAYTIME, TTDT_INITIAL, MAKELPARAM(delayMs, 0));
    SendMessageW(m_tip, TTM_SETDELAYTIME, TTDT_AUTOPOP, MAKELPARAM(displayMs, 0));
}

TTTOOLINFOW ToolTips::info(UINT_PTR id, UINT flags, const wchar_t* text) const
{
    TTTOOLINFOW tool{};
    tool.cbSize = sizeof(tool);
    tool.uFlags = flags | TTF_SUBCLASS;
    tool.hwnd = m_window;
    tool.uId = id;
    tool.lpszText = const_cast<wchar_t*>(text);
    return tool;
}

void ToolTips::add(HWND control, const std::wstring& text)
{
    m_controls.push_back(control);
    std::vector<HWND> windows{control};
    // The text field of a combo box gets the mouse over most of the box.
    if (HWND field = FindWindowExW(control, nullptr, L"Edit", nullptr)) {
        windows.push_back(field);
    }
    for (HWND window : windows) {
        TTTOOLINFOW byWindow = info(reinterpret_cast<UINT_PTR>(window), TTF_IDISHWND, text.c_str());
        SendMessageW(m_tip, TTM_ADDTOOLW, 0, reinterpret_cast<LPARAM>(&byWindow));
    }
    TTTOOLINFOW byArea = info(m_controls.size(), 0, text.c_str());
    SendMessageW(m_tip, TTM_ADDTOOLW, 0, reinterpret_cast<LPARAM>(&byArea));
}

void ToolTips::updateRectangles(int maxWidth)
{
    SendMessageW(m_tip, TTM_SETMAXTIPWIDTH, 0, maxWidth);
    for (size_t i = 0; i < m_controls.size(); ++i) {
        TTTOOLINFOW tool = info(i + 1, 0);
        GetWindowRect(m_controls[i], &tool.rect);
        MapWindowPoints(nullptr, m_window, reinterpret_cast<POINT*>(&tool.rect), 2);
        SendMessageW(m_tip, TTM_NEWTOOLRECTW, 0, reinterpret_cast<LPARAM>(&tool));
    }
}
