#include "app/win32/ReadableDisabledText.h"

#include "app/win32/NativeControls.h"

#include <commctrl.h>

namespace {

void paintDisabled(HWND edit, COLORREF greyed)
{
    PAINTSTRUCT paint;
    HDC dc = BeginPaint(edit, &paint);
    // The parent answers as it does for the edit itself (a combo box passes it on).
    auto brush = reinterpret_cast<HBRUSH>(SendMessageW(GetParent(edit), WM_CTLCOLORSTATIC,
                                                       reinterpret_cast<WPARAM>(dc),
                                                       reinterpret_cast<LPARAM>(edit)));
    RECT client;
    GetClientRect(edit, &client);
    FillRect(dc, &client, brush ? brush : static_cast<HBRUSH>(GetStockObject(WHITE_BRUSH)));

    const std::wstring text = windowText(edit);
    RECT format;
    SendMessageW(edit, EM_GETRECT, 0, reinterpret_cast<LPARAM>(&format));
    HGDIOBJ previous =
        SelectObject(dc, reinterpret_cast<HFONT>(SendMessageW(edit, WM_GETFONT, 0, 0)));
    SetTextColor(dc, greyed);
    SetBkMode(dc, TRANSPARENT);
    const bool multiLine = GetWindowLongW(edit, GWL_STYLE) & ES_MULTILINE;
    DrawTextW(dc, text.c_str(), static_cast<int>(text.size()), &format,
              DT_NOPREFIX | DT_EXPANDTABS |
                  (multiLine ? DT_WORDBREAK | DT_EDITCONTROL : DT_SINGLELINE | DT_END_ELLIPSIS));
    SelectObject(dc, previous);
    EndPaint(edit, &paint);
}

LRESULT CALLBACK procedure(HWND edit, UINT message, WPARAM wParam, LPARAM lParam, UINT_PTR,
                           DWORD_PTR greyed)
{
    if (!IsWindowEnabled(edit)) {
        if (message == WM_PAINT) {
            paintDisabled(edit, static_cast<COLORREF>(greyed));
            return 0;
        }
        if (message == WM_ERASEBKGND) {
            return 1;
        }
    }
    return DefSubclassProc(edit, message, wParam, lParam);
}

} // namespace

void keepDisabledTextReadable(HWND edit, COLORREF greyed)
{
    SetWindowSubclass(edit, &procedure, 1, greyed);
}
