#pragma once

#include <windows.h>

#include <string>
#include <string_view>

// Starts QuorviV2.exe and works its window as a user does, with the mouse and the
// keyboard (SendInput), and reads back what the screen shows: texts through the
// controls, colours from the screen's pixels.
class ProgramDriver {
public:
    explicit ProgramDriver(const std::wstring& program);
    ProgramDriver(const ProgramDriver&) = delete;
    ProgramDriver& operator=(const ProgramDriver&) = delete;
    ~ProgramDriver();

    // The main window, once shown; null if a message box came first or the program ended.
    HWND waitForWindow();
    HWND control(std::string_view name) const;

    void click(std::string_view name);
    // Rests the mouse over the control's middle.
    void hover(std::string_view name);
    // The text of the tooltip the program shows now, empty if it shows none.
    std::wstring shownToolTip() const;
    void type(std::wstring_view text);
    void press(WORD key);
    // Opens the box's list with F4 and moves to the item with the arrow keys.
    void choose(std::string_view comboBox, std::wstring_view item);

    std::wstring text(std::string_view name) const;
    // The name of the control that has the keyboard focus, empty for none of the layout.
    std::string focused() const;
    bool enabled(std::string_view name) const;
    bool visible(std::string_view name) const;
    // The colour shown just inside the control's left edge, halfway down.
    COLORREF shownColour(std::string_view name) const;
    // How far the control's text stands out from its background on the screen: the
    // contrast ratio between its most frequent colour and the colour furthest from it.
    double textContrast(std::string_view name) const;

    // The program's message box, if one shows within the time; its text and OK.
    HWND waitForMessageBox(DWORD milliseconds);
    std::wstring messageBoxText(HWND box) const;
    bool messageBoxHasIcon(HWND box) const;
    void pressOk(HWND box);

    // Waits until the condition holds (true) or the time is up (false), letting the
    // program run meanwhile.
    template <class Condition> bool waitUntil(Condition condition, DWORD milliseconds) const
    {
        const ULONGLONG end = GetTickCount64() + milliseconds;
        while (!condition()) {
            if (GetTickCount64() > end) {
                return false;
            }
            Sleep(50);
        }
        return true;
    }

    // Closes the main window as its close box does.
    void closeWindow() { PostMessageW(m_window, WM_CLOSE, 0, 0); }

    // The exit code once the program has ended within the time, else -1.
    int waitForExit(DWORD milliseconds);

private:
    void settle() const;
    void moveMouse(int x, int y);

    PROCESS_INFORMATION m_process{};
    HWND m_window = nullptr;
};
