#pragma once

#include <windows.h>

#include <commctrl.h>
#include <string>
#include <vector>

// The controls' tooltips. Each control is a tool of its own, and its rectangle is also a
// tool of the window: a disabled control gets no mouse messages, its parent gets them.
class ToolTips {
public:
    ToolTips() = default;
    ToolTips(const ToolTips&) = delete;
    ToolTips& operator=(const ToolTips&) = delete;
    ~ToolTips();

    void create(HWND window, int delayMs, int displayMs);
    void add(HWND control, const std::wstring& text);
    // After the controls moved (a new DPI), their rectangles follow.
    void updateRectangles(int maxWidth);

private:
    // The tooltip control keeps its own copy of the text.
    TTTOOLINFOW info(UINT_PTR id, UINT flags, const wchar_t* text = nullptr) const;

    HWND m_window = nullptr;
    HWND m_tip = nullptr;
    // Tool n + 1 is the rectangle of control n.
    std::vector<HWND> m_controls;
};
