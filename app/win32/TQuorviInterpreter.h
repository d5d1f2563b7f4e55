#pragma once

#include "app/logic/WindowHandlers.h"
#include "app/win32/LogoBitmap.h"
#include "app/win32/NativeControls.h"
#include "app/win32/ToolTips.h"
#include "components/wrappers/TnetHTTP.h"
#include "components/wrappers/TnetJSON.h"
#include "components/wrappers/TnetREST.h"

#include <windows.h>

#include <map>
#include <string>
#include <vector>

class MessageBoxPresenter;
namespace layout {
struct ControlLayout;
}

// The main window in Win32: native controls made from the window layout, the five
// internet components, and the controls' notifications delivered to the shared
// WindowHandlers as the workflow expects them. The window is created hidden; the process
// entry runs afterConstruction(), the service probe, then shows it.
class TQuorviInterpreter {
public:
    TQuorviInterpreter(MessageBoxPresenter& messages, std::u16string serviceBaseUrl);
    TQuorviInterpreter(const TQuorviInterpreter&) = delete;
    TQuorviInterpreter& operator=(const TQuorviInterpreter&) = delete;
    ~TQuorviInterpreter();

    void afterConstruction();
    // True once the service probe has failed: the window is never shown.
    bool refused() const;
    // Shows the window centred on the screen.
    void show();
    HWND handle() const { return m_window; }

    TnetJSON netJSON1;
    NativeControl SampleCodeEdit;
    NativeControl SampleTypeEdit;
    NativeTextArea interpretation;
    NativeComboBox ParameterComboBox;
    NativeControl valueEdit;
    NativeControl process;
    TnetREST netREST1;
    NativeControl SampleNameEdit;
    NativeComboBox PrefixComboBox;
    NativeComboBox Unit;
    NativeTextArea disclaimer;
    TnetREST netREST2;
    TnetJSON netJSON2;
    TnetHTTP netHTTP;

private:
    // A native control of the layout, with its logic adapter where the handlers use it.
    struct Native {
        const layout::ControlLayout* spec;
        HWND window;
        NativeBackground* background;
        NativeComboBox* comboBox;
    };

    static LRESULT CALLBACK windowProcedure(HWND window, UINT message, WPARAM wParam,
                                            LPARAM lParam);
    static LRESULT CALLBACK controlProcedure(HWND control, UINT message, WPARAM wParam,
                                             LPARAM lParam, UINT_PTR id, DWORD_PTR data);
    LRESULT handleMessage(UINT message, WPARAM wParam, LPARAM lParam);
    void createControls();
    void applyDpi(UINT dpi);
    int scaled(int pixels) const;
    // Tahoma at the character height, scaled to the window's DPI.
    HFONT fontOf(int pixels);
    const Native* nativeOf(HWND window) const;
    void command(const Native& control, UINT code);
    HBRUSH background(HDC dc, HWND control);
    bool setPointer(HWND target);

    MessageBoxPresenter& m_messages;
    HWND m_window = nullptr;
    UINT m_dpi = 96;
    std::map<int, HFONT> m_fonts;
    HBRUSH m_skyBlue = nullptr;
    std::vector<Native> m_controls;
    ToolTips m_toolTips;
    LogoBitmap m_logo;
    WindowControls m_logicControls{
        SampleCodeEdit, SampleTypeEdit, SampleNameEdit, ParameterComboBox, PrefixComboBox,
        valueEdit,      Unit,           process,        interpretation,    disclaimer};
    WindowHandlers m_handlers;
};
