#include "MessageLoop.h"

bool MessageLoop::dispatch(HWND window, MSG& message)
{
    if (message.message == WM_QUIT) {
        m_quit = true;
        m_exitCode = static_cast<int>(message.wParam);
        return false;
    }
    if (!IsWindow(window) || !IsDialogMessageW(window, &message)) {
        TranslateMessage(&message);
        DispatchMessageW(&message);
    }
    return true;
}

void MessageLoop::pump(HWND window)
{
    MSG message;
    while (!m_quit && PeekMessageW(&message, nullptr, 0, 0, PM_REMOVE)) {
        if (!dispatch(window, message)) {
            break;
        }
    }
}

int MessageLoop::run(HWND window)
{
    MSG message;
    while (!m_quit) {
        const BOOL got = GetMessageW(&message, nullptr, 0, 0);
        if (got == -1) {
            break;
        }
        if (got == 0) {
            m_exitCode = static_cast<int>(message.wParam);
            break;
        }
        dispatch(window, message);
    }
    return m_exitCode;
}
