// The Win32 window inside the test's own process, for what another process cannot see:
// the mouse pointer each control shows, what the output area holds.
#include "app/win32/ControlIds.h"
#include "app/win32/MessageBoxPresenter.h"
#include "app/win32/NativeControls.h"
#include "app/win32/TQuorviInterpreter.h"

#include <commctrl.h>
#include <gtest/gtest.h>
#include <string>
#include <vector>

namespace {

// Keeps the texts instead of showing boxes.
class RecordingBoxes : public MessageBoxPresenter {
public:
    void inform(std::u16string_view text) override { informations.emplace_back(text); }
    void error(std::u16string_view text) override { errors.emplace_back(text); }

    std::vector<std::u16string> informations;
    std::vector<std::u16string> errors;
};

TEST(InProcessWindow, EachControlShowsItsMousePointer)
{
    const INITCOMMONCONTROLSEX classes{sizeof(INITCOMMONCONTROLSEX),
                                       ICC_STANDARD_CLASSES | ICC_WIN95_CLASSES};
    InitCommonControlsEx(&classes);
    RecordingBoxes messages;
    TQuorviInterpreter window(messages, u"https://127.0.0.1:1/");
    window.show();
    const struct {
        const char* control;
        LPCWSTR pointer;
    } cases[] = {
        {"LoadCodeData", IDC_HAND}, {"ParameterComboBox", IDC_HAND}, {"SampleTypeEdit", IDC_NO},
        {"SampleNameEdit", IDC_NO}, {"SampleCodeEdit", IDC_IBEAM},   {"LabelCode", IDC_ARROW},
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(c.control);
        HWND control = GetDlgItem(window.handle(), controlId(c.control));
        RECT area;
        GetWindowRect(control, &area);
        SetCursorPos((area.left + area.right) / 2, (area.top + area.bottom) / 2);
        // Over a disabled control the window itself is asked, as the system does.
        HWND asked = IsWindowEnabled(control) ? control : window.handle();
        SetCursor(LoadCursorW(nullptr, IDC_APPSTARTING));
        SendMessageW(asked, WM_SETCURSOR, reinterpret_cast<WPARAM>(asked),
                     MAKELPARAM(HTCLIENT, WM_MOUSEMOVE));
        EXPECT_EQ(GetCursor(), LoadCursorW(nullptr, c.pointer));
    }
    EXPECT_TRUE(messages.errors.empty());
}

TEST(InProcessWindow, TheOutputAreaTakesMoreThanTheEditControlsDefaultLimit)
{
    RecordingBoxes messages;
    TQuorviInterpreter window(messages, u"https://127.0.0.1:1/");
    window.show();
    NativeTextArea area;
    area.attach(GetDlgItem(window.handle(), controlId("interpretation")));
    area.appendLine(std::u16string(40'000, u'x'));
    area.appendLine(u"Ende");
    // Each line ends in CR LF on the screen.
    EXPECT_EQ(SendMessageW(area.handle(), WM_GETTEXTLENGTH, 0, 0), 40'000 + 2 + 4 + 2);
}

} // namespace
