#include "tests/e2e/windows/ProgramDriver.h"

#include "app/win32/ControlIds.h"
#include "tests/support/TextContrast.h"

#include <stdexcept>
#include <vector>

namespace {

struct WindowSearch {
    DWORD processId;
    const wchar_t* className;
    HWND found = nullptr;
};

BOOL CALLBACK findWindowOfProcess(HWND window, LPARAM parameter)
{
    auto* search = reinterpret_cast<WindowSearch*>(parameter);
    DWORD processId = 0;
    GetWindowThreadProcessId(window, &processId);
    wchar_t className[64] = {};
    GetClassNameW(window, className, 64);
    if (processId == search->processId && wcscmp(className, search->className) == 0 &&
        IsWindowVisible(window)) {
        search->found = window;
        return FALSE;
    }
    return TRUE;
}

HWND topLevelWindow(DWORD processId, const wchar_t* className)
{
    WindowSearch search{processId, className};
    EnumWindows(&findWindowOfProcess, reinterpret_cast<LPARAM>(&search));
    return search.found;
}

std::wstring windowText(HWND window)
{
    const LRESULT length = SendMessageW(window, WM_GETTEXTLENGTH, 0, 0);
    std::wstring text(static_cast<size_t>(length) + 1, L'\0');
    text.resize(static_cast<size_t>(
        SendMessageW(window, WM_GETTEXT, text.size(), reinterpret_cast<LPARAM>(text.data()))));
    return text;
}

void send(std::vector<INPUT> inputs)
{
    SendInput(static_cast<UINT>(inputs.size()), inputs.data(), sizeof(INPUT));
}

INPUT keyInput(WORD key, WORD scan, DWORD flags)
{
    INPUT input{};
    input.type = INPUT_KEYBOARD;
    input.ki.wVk = key;
    input.ki.wScan = scan;
    input.ki.dwFlags = flags;
    return input;
}

} // namespace

ProgramDriver::ProgramDriver(const std::wstring& program)
{
    STARTUPINFOW startup{};
    startup.cb = sizeof(startup);
    std::wstring commandLine = L"\"" + program + L"\"";
    if (!CreateProcessW(program.c_str(), commandLine.data(), nullptr, nullptr, FALSE, 0, nullptr,
                        nullptr, &startup, &m_process)) {
        throw std::runtime_error("the program does not start");
    }
}

ProgramDriver::~ProgramDriver()
{
    if (waitForExit(0) == -1) {
        if (m_window && IsWindow(m_window)) {
            PostMessageW(m_window, WM_CLOSE, 0, 0);
        }
        if (waitForExit(10000) == -1) {
            TerminateProcess(m_process.hProcess, 1);
        }
    }
    CloseHandle(m_process.hThread);
    CloseHandle(m_process.hProcess);
}

HWND ProgramDriver::waitForWindow()
{
    waitUntil(
        [&] {
            m_window = topLevelWindow(m_process.dwProcessId, L"TQuorviInterpreter");
            return m_window || topLevelWindow(m_process.dwProcessId, L"#32770") ||
                   WaitForSingleObject(m_process.hProcess, 0) == WAIT_OBJECT_0;
        },
        60000);
    if (m_window) {
        settle();
    }
    return m_window;
}

HWND ProgramDriver::control(std::string_view name) const
{
    return GetDlgItem(m_window, controlId(name));
}

void ProgramDriver::settle() const
{
    // The program has handled what it was sent once it answers a message.
    DWORD_PTR result = 0;
    SendMessageTimeoutW(m_window, WM_NULL, 0, 0, SMTO_NORMAL, 5000, &result);
    Sleep(200);
}

void ProgramDriver::click(std::string_view name)
{
    RECT area;
    GetWindowRect(control(name), &area);
    // The left part of a combo box is its text field, away from the arrow button.
    const bool comboBox =
        SendMessageW(control(name), CB_GETCOUNT, 0, 0) != CB_ERR && GetDlgItem(control(name), 1001);
    const int x = comboBox ? area.left + 10 : (area.left + area.right) / 2;
    const int y = comboBox ? area.top + 8 : (area.top + area.bottom) / 2;
    moveMouse(x, y);
    INPUT down{};
    down.type = INPUT_MOUSE;
    down.mi.dwFlags = MOUSEEVENTF_LEFTDOWN;
    INPUT up = down;
    up.mi.dwFlags = MOUSEEVENTF_LEFTUP;
    send({down, up});
    settle();
}

void ProgramDriver::moveMouse(int x, int y)
{
    INPUT move{};
    move.type = INPUT_MOUSE;
    move.mi.dx = x * 65535 / (GetSystemMetrics(SM_CXSCREEN) - 1);
    move.mi.dy = y * 65535 / (GetSystemMetrics(SM_CYSCREEN) - 1);
    move.mi.dwFlags = MOUSEEVENTF_MOVE | MOUSEEVENTF_ABSOLUTE;
    send({move});
    Sleep(50);
}

void ProgramDriver::hover(std::string_view name)
{
    RECT area;
    GetWindowRect(control(name), &area);
    moveMouse((area.left + area.right) / 2, (area.top + area.bottom) / 2);
    settle();
}

std::wstring ProgramDriver::shownToolTip() const
{
    HWND tip = topLevelWindow(m_process.dwProcessId, L"tooltips_class32");
    return tip ? windowText(tip) : std::wstring();
}

void ProgramDriver::type(std::wstring_view text)
{
    for (wchar_t c : text) {
        send({keyInput(0, c, KEYEVENTF_UNICODE),
              keyInput(0, c, KEYEVENTF_UNICODE | KEYEVENTF_KEYUP)});
        Sleep(20);
    }
    settle();
}

void ProgramDriver::press(WORD key)
{
    send({keyInput(key, 0, 0), keyInput(key, 0, KEYEVENTF_KEYUP)});
    settle();
}

void ProgramDriver::choose(std::string_view comboBox, std::wstring_view item)
{
    HWND box = control(comboBox);
    const LRESULT count = SendMessageW(box, CB_GETCOUNT, 0, 0);
    LRESULT index = -1;
    for (LRESULT i = 0; i < count && index < 0; ++i) {
        const LRESULT length = SendMessageW(box, CB_GETLBTEXTLEN, i, 0);
        std::wstring entry(static_cast<size_t>(length) + 1, L'\0');
        entry.resize(static_cast<size_t>(
            SendMessageW(box, CB_GETLBTEXT, i, reinterpret_cast<LPARAM>(entry.data()))));
        if (entry == item) {
            index = i;
        }
    }
    if (index < 0) {
        throw std::runtime_error("no such item in the list");
    }
    click(comboBox);
    press(VK_F4);
    for (LRESULT i = SendMessageW(box, CB_GETCURSEL, 0, 0); i != index; i += i < index ? 1 : -1) {
        press(i < index ? VK_DOWN : VK_UP);
    }
    press(VK_RETURN);
}

std::wstring ProgramDriver::text(std::string_view name) const
{
    return windowText(control(name));
}

std::string ProgramDriver::focused() const
{
    GUITHREADINFO info{};
    info.cbSize = sizeof(info);
    if (!GetGUIThreadInfo(m_process.dwThreadId, &info) || !info.hwndFocus) {
        return {};
    }
    // A combo box's text field has the focus for the box.
    for (HWND window = info.hwndFocus; window && window != m_window; window = GetParent(window)) {
        for (const layout::ControlLayout& spec : layout::controls()) {
            if (control(spec.name) == window) {
                return std::string(spec.name);
            }
        }
    }
    return {};
}

bool ProgramDriver::enabled(std::string_view name) const
{
    return IsWindowEnabled(control(name));
}

bool ProgramDriver::visible(std::string_view name) const
{
    return IsWindowVisible(control(name));
}

COLORREF ProgramDriver::shownColour(std::string_view name) const
{
    RECT area;
    GetWindowRect(control(name), &area);
    HDC screen = GetDC(nullptr);
    const COLORREF colour = GetPixel(screen, area.left + 4, (area.top + area.bottom) / 2);
    ReleaseDC(nullptr, screen);
    return colour;
}

double ProgramDriver::textContrast(std::string_view name) const
{
    RECT area;
    GetWindowRect(control(name), &area);
    InflateRect(&area, -3, -3);
    const int width = area.right - area.left;
    const int height = area.bottom - area.top;
    HDC screen = GetDC(nullptr);
    HDC copy = CreateCompatibleDC(screen);
    BITMAPINFO info{};
    info.bmiHeader.biSize = sizeof(info.bmiHeader);
    info.bmiHeader.biWidth = width;
    info.bmiHeader.biHeight = -height;
    info.bmiHeader.biPlanes = 1;
    info.bmiHeader.biBitCount = 32;
    void* bits = nullptr;
    HBITMAP bitmap = CreateDIBSection(screen, &info, DIB_RGB_COLORS, &bits, nullptr, 0);
    HGDIOBJ previous = SelectObject(copy, bitmap);
    BitBlt(copy, 0, 0, width, height, screen, area.left, area.top, SRCCOPY);
    GdiFlush();

    const auto* pixels = static_cast<const std::uint32_t*>(bits);
    const double ratio =
        quorvi::test::textContrast({pixels, static_cast<std::size_t>(width) * height});
    SelectObject(copy, previous);
    DeleteObject(bitmap);
    DeleteDC(copy);
    ReleaseDC(nullptr, screen);
    return ratio;
}

HWND ProgramDriver::waitForMessageBox(DWORD milliseconds)
{
    HWND box = nullptr;
    waitUntil(
        [&] {
            box = topLevelWindow(m_process.dwProcessId, L"#32770");
            return box != nullptr;
        },
        milliseconds);
    if (box) {
        Sleep(200);
    }
    return box;
}

std::wstring ProgramDriver::messageBoxText(HWND box) const
{
    return windowText(GetDlgItem(box, 0xFFFF));
}

bool ProgramDriver::messageBoxHasIcon(HWND box) const
{
    // The icon's id differs between Windows (0x14) and Wine (0x440).
    for (int id : {0x0014, 0x0440}) {
        HWND icon = GetDlgItem(box, id);
        if (icon && IsWindowVisible(icon) && SendMessageW(icon, STM_GETICON, 0, 0)) {
            return true;
        }
    }
    return false;
}

void ProgramDriver::pressOk(HWND box)
{
    PostMessageW(box, WM_COMMAND, IDOK, 0);
    waitUntil([&] { return !IsWindow(box); }, 10000);
    if (m_window) {
        settle();
    }
}

int ProgramDriver::waitForExit(DWORD milliseconds)
{
    if (WaitForSingleObject(m_process.hProcess, milliseconds) != WAIT_OBJECT_0) {
        return -1;
    }
    DWORD code = 0;
    GetExitCodeProcess(m_process.hProcess, &code);
    return static_cast<int>(code);
}
