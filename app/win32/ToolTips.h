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
    void add(HWND control, std::wstring text);
    // After the controls moved (a new DPI), their rectangles follow.
    void updateRectangles(int maxWidth);

private:
    struct Tool {
        HWND control;
        std::wstring text;
    };

    TTTOOLINFOW info(UINT_PTR id, UINT flags, const std::wstring& text) const;

    HWND m_window = nullptr;
    HWND m_tip = nullptr;
    std::vector<Tool> m_tools;
};
