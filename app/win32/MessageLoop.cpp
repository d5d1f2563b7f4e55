#include "app/win32/MessageLoop.h"

bool MessageLoop::dispatch(HWND window, MSG& message)
{
    if (message.message == WM_QUIT) {
        m_quit = true;
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

void MessageLoop::run(HWND window)
{
    MSG message;
    // GetMessage gives 0 for the quit request and -1 for a failure.
    while (!m_quit && GetMessageW(&message, nullptr, 0, 0) > 0) {
        dispatch(window, message);
    }
}
