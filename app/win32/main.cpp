#include "app/logic/FailureReport.h"
#include "app/win32/MessageBoxPresenter.h"
#include "app/win32/MessageLoop.h"
#include "app/win32/TQuorviInterpreter.h"
#include "components/wrappers/EventPump.h"

#include <windows.h>

#include <commctrl.h>
#include <objbase.h>

namespace {

void run(MessageBoxPresenter& messages)
{
    MessageLoop loop;
    HWND mainWindow = nullptr;
    // While a transfer waits, the window repaints and takes input.
    netcomp::setEventPump([&] { loop.pump(mainWindow); });

    TQuorviInterpreter window(messages, u"" QUORVI_SERVICE_BASE_URL);
    mainWindow = window.handle();
    window.afterConstruction();
    if (!window.refused()) {
        window.show();
        loop.run(mainWindow);
    }
    netcomp::setEventPump(nullptr);
}

} // namespace

// The command line is ignored, and the exit code is always 0.
int WINAPI WinMain(HINSTANCE, HINSTANCE, LPSTR, int)
{
    const INITCOMMONCONTROLSEX controls{sizeof(INITCOMMONCONTROLSEX),
                                        ICC_STANDARD_CLASSES | ICC_WIN95_CLASSES};
    InitCommonControlsEx(&controls);
    // WIC decodes the logo through COM.
    const HRESULT com = CoInitializeEx(nullptr, COINIT_APARTMENTTHREADED);
    MessageBoxPresenter messages;
    reportFailures(messages, [&] { run(messages); });
    if (SUCCEEDED(com)) {
        CoUninitialize();
    }
    return 0;
}
