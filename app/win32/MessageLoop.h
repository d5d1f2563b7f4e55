#pragma once

#include <windows.h>

// The program's message loop, and the pump that keeps the window alive while a
// transfer waits. A quit request that arrives during a transfer is kept for the loop.
class MessageLoop {
public:
    // Handles the messages of the window (keyboard navigation included) until a quit
    // request arrives.
    void run(HWND window);
    // Dispatches what is queued now and returns.
    void pump(HWND window);

private:
    bool dispatch(HWND window, MSG& message);

    bool m_quit = false;
};
