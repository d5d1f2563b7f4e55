#include "app/win32/TQuorviInterpreter.h"

#include "app/logic/ControlEvents.h"
#include "app/logic/FailureReport.h"
#include "app/logic/InformationTexts.h"
#include "app/logic/WindowHandlers.h"
#include "app/logic/WindowLayout.h"
#include "app/win32/ControlIds.h"
#include "app/win32/MessageBoxPresenter.h"
#include "app/win32/ReadableDisabledText.h"
#include "app/win32/WideText.h"
#include "app/win32/WindowResources.h"

#include <algorithm>
#include <commctrl.h>
#include <stdexcept>

namespace {

constexpr wchar_t kWindowClass[] = L"TQuorviInterpreter";
constexpr DWORD kWindowStyle = WS_OVERLAPPED | WS_CAPTION | WS_SYSMENU | WS_CLIPCHILDREN;
// The height of a combo box's list when it is open, at 96 dpi.
constexpr int kListHeight = 160;

constexpr COLORREF kGreyedText = colourRef(colours::kGreyedText);

UINT dpiOf(HWND window)
{
    using GetDpiForWindow = UINT(WINAPI*)(HWND);
    static const auto forWindow = reinterpret_cast<GetDpiForWindow>(reinterpret_cast<void*>(
        GetProcAddress(GetModuleHandleW(L"user32.dll"), "GetDpiForWindow")));
    if (forWindow && window) {
        if (const UINT dpi = forWindow(window)) {
            return dpi;
        }
    }
    HDC screen = GetDC(nullptr);
    const int dpi = GetDeviceCaps(screen, LOGPIXELSY);
    ReleaseDC(nullptr, screen);
    return dpi > 0 ? static_cast<UINT>(dpi) : 96;
}

HFONT tahoma(int pixels)
{
    return CreateFontW(-pixels, 0, 0, 0, FW_NORMAL, FALSE, FALSE, FALSE, DEFAULT_CHARSET,
                       OUT_DEFAULT_PRECIS, CLIP_DEFAULT_PRECIS, DEFAULT_QUALITY,
                       DEFAULT_PITCH | FF_DONTCARE, toWide(layout::kFontFamily).c_str());
}

bool isEditable(layout::Kind kind)
{
    return kind == layout::Kind::EditBox || kind == layout::Kind::ComboBox ||
           kind == layout::Kind::TextArea;
}

// Class and style of the native control for each kind of the layout.
std::pair<const wchar_t*, DWORD> nativeClass(const layout::ControlLayout& spec)
{
    switch (spec.kind) {
    case layout::Kind::Label:
        return {L"Static", SS_LEFT | SS_NOPREFIX};
    case layout::Kind::ClickLabel:
        return {L"Static", SS_LEFT | SS_NOPREFIX | SS_NOTIFY};
    case layout::Kind::EditBox:
        return {L"Edit", ES_AUTOHSCROLL};
    case layout::Kind::ComboBox:
        return {L"ComboBox", CBS_DROPDOWN | CBS_AUTOHSCROLL | WS_VSCROLL};
    case layout::Kind::PushButton:
        return {L"Button", BS_PUSHBUTTON};
    case layout::Kind::TextArea:
        return {L"Edit", ES_MULTILINE | ES_READONLY | ES_AUTOVSCROLL |
                             (spec.verticalScrollBar ? WS_VSCROLL : 0)};
    case layout::Kind::Image:
        return {L"Static", SS_OWNERDRAW};
    }
    return {L"Static", 0};
}

void registerWindowClass(WNDPROC procedure)
{
    static bool registered = false;
    if (registered) {
        return;
    }
    HINSTANCE instance = GetModuleHandleW(nullptr);
    WNDCLASSEXW windowClassInfo{};
    windowClassInfo.cbSize = sizeof(windowClassInfo);
    windowClassInfo.lpfnWndProc = procedure;
    windowClassInfo.hInstance = instance;
    windowClassInfo.hCursor = LoadCursorW(nullptr, IDC_ARROW);
    windowClassInfo.hIcon = static_cast<HICON>(
        LoadImageW(instance, MAKEINTRESOURCEW(applicationIcon), IMAGE_ICON, 0, 0, LR_DEFAULTSIZE));
    windowClassInfo.hIconSm = static_cast<HICON>(
        LoadImageW(instance, MAKEINTRESOURCEW(applicationIcon), IMAGE_ICON,
                   GetSystemMetrics(SM_CXSMICON), GetSystemMetrics(SM_CYSMICON), 0));
    windowClassInfo.lpszClassName = kWindowClass;
    RegisterClassExW(&windowClassInfo);
    registered = true;
}

} // namespace

TQuorviInterpreter::TQuorviInterpreter(MessageBoxPresenter& messages, std::u16string serviceBaseUrl)
    : m_messages(messages),
      m_handlers(m_logicControls, {netREST1, netJSON1, netHTTP, netREST2, netJSON2}, messages,
                 std::move(serviceBaseUrl))
{
    registerWindowClass(&windowProcedure);
    m_skyBlue = CreateSolidBrush(colourRef(layout::kBackground));
    // Created at its 96-dpi size, which show() then scales: under Wine the children of a
    // window created without a size stayed clipped to part of it.
    RECT frame{0, 0, layout::kClientSize.width, layout::kClientSize.height};
    AdjustWindowRectEx(&frame, kWindowStyle, FALSE, 0);
    m_window = CreateWindowExW(0, kWindowClass, toWide(windowCaption()).c_str(), kWindowStyle,
                               CW_USEDEFAULT, CW_USEDEFAULT, frame.right - frame.left,
                               frame.bottom - frame.top, nullptr, nullptr,
                               GetModuleHandleW(nullptr), nullptr);
    if (!m_window) {
        throw std::runtime_error("Das Hauptfenster konnte nicht erzeugt werden");
    }
    // Until here the window's messages take the default way.
    SetWindowLongPtrW(m_window, GWLP_USERDATA, reinterpret_cast<LONG_PTR>(this));
    messages.setOwner(m_window);

    createControls();
}

TQuorviInterpreter::~TQuorviInterpreter()
{
    if (IsWindow(m_window)) {
        SetWindowLongPtrW(m_window, GWLP_USERDATA, 0);
        DestroyWindow(m_window);
    }
    for (auto& [pixels, font] : m_fonts) {
        DeleteObject(font);
    }
    DeleteObject(m_skyBlue);
}

void TQuorviInterpreter::afterConstruction()
{
    m_handlers.run(&WindowHandlers::FormCreate);
}

bool TQuorviInterpreter::refused() const
{
    return m_handlers.refused();
}

void TQuorviInterpreter::show()
{
    RECT frame{0, 0, scaled(layout::kClientSize.width), scaled(layout::kClientSize.height)};
    AdjustWindowRectEx(&frame, kWindowStyle, FALSE, 0);
    const int width = frame.right - frame.left;
    const int height = frame.bottom - frame.top;
    SetWindowPos(m_window, nullptr, (GetSystemMetrics(SM_CXSCREEN) - width) / 2,
                 (GetSystemMetrics(SM_CYSCREEN) - height) / 2, width, height,
                 SWP_NOZORDER | SWP_NOACTIVATE);
    ShowWindow(m_window, SW_SHOW);
    UpdateWindow(m_window);
    SetFocus(SampleCodeEdit.handle());
}

HFONT TQuorviInterpreter::fontOf(int pixels)
{
    HFONT& font = m_fonts[pixels];
    if (!font) {
        font = tahoma(scaled(pixels));
    }
    return font;
}

int TQuorviInterpreter::scaled(int pixels) const
{
    return MulDiv(pixels, static_cast<int>(m_dpi), 96);
}

void TQuorviInterpreter::createControls()
{
    HINSTANCE instance = GetModuleHandleW(nullptr);

    const auto controls = layout::controls();
    for (size_t i = 0; i < controls.size(); ++i) {
        const layout::ControlLayout& spec = controls[i];
        const auto [className, style] = nativeClass(spec);
        const bool tabStop = spec.tabOrder != layout::kNotATabStop;
        const DWORD exStyle =
            spec.kind == layout::Kind::EditBox || spec.kind == layout::Kind::TextArea
                ? WS_EX_CLIENTEDGE
                : 0;
        HWND control = CreateWindowExW(
            exStyle, className, toWide(spec.text).c_str(),
            WS_CHILD | WS_CLIPSIBLINGS | style | (tabStop ? WS_TABSTOP : 0) |
                (spec.visible ? WS_VISIBLE : 0) | (spec.enabled ? 0 : WS_DISABLED),
            0, 0, 0, 0, m_window, reinterpret_cast<HMENU>(kFirstControlId + i), instance, nullptr);
        m_controls.push_back({&spec, control, nullptr, nullptr});
    }

    auto adapt = [this](std::string_view name, auto& adapter) {
        for (Native& native : m_controls) {
            if (native.spec->name == name) {
                adapter.attach(native.window);
                native.background = &adapter;
                if constexpr (std::is_same_v<std::decay_t<decltype(adapter)>, NativeComboBox>) {
                    native.comboBox = &adapter;
                }
            }
        }
    };
    adapt("SampleCodeEdit", SampleCodeEdit);
    adapt("SampleTypeEdit", SampleTypeEdit);
    adapt("interpretation", interpretation);
    adapt("ParameterComboBox", ParameterComboBox);
    adapt("valueEdit", valueEdit);
    adapt("process", process);
    adapt("SampleNameEdit", SampleNameEdit);
    adapt("PrefixComboBox", PrefixComboBox);
    adapt("Unit", Unit);
    adapt("disclaimer", disclaimer);

    for (const Native& native : m_controls) {
        const layout::ControlLayout& spec = *native.spec;
        if (spec.kind == layout::Kind::ComboBox) {
            for (std::u16string_view item : spec.items) {
                native.comboBox->appendItem(item);
            }
            // A combo box does not take its text from the creation call.
            native.comboBox->setTextQuietly(toWide(spec.text));
        }
        if (spec.maxLength > 0) {
            SendMessageW(native.window, EM_LIMITTEXT, static_cast<WPARAM>(spec.maxLength), 0);
        } else if (spec.kind == layout::Kind::TextArea) {
            // Lines are appended by replacing the selection, which stops at the edit
            // control's default limit of about 32,000 characters.
            SendMessageW(native.window, EM_SETLIMITTEXT, 0, 0);
        }
        // Clicks into an edit box with a click handler; the keys of the output area.
        if ((spec.kind == layout::Kind::EditBox && eventsOf(spec.name).click) ||
            spec.kind == layout::Kind::TextArea) {
            SetWindowSubclass(native.window, &controlProcedure, 0,
                              reinterpret_cast<DWORD_PTR>(this));
        }
        if (isEditable(spec.kind)) {
            HWND edit = spec.kind == layout::Kind::ComboBox
                            ? FindWindowExW(native.window, nullptr, L"Edit", nullptr)
                            : native.window;
            keepDisabledTextReadable(edit, kGreyedText);
        }
    }

    // Tab moves through the tab stops in the order of the layout: the order of the
    // controls among their siblings is the tab order.
    std::vector<const Native*> tabStops;
    for (const Native& native : m_controls) {
        if (native.spec->tabOrder != layout::kNotATabStop) {
            tabStops.push_back(&native);
        }
    }
    std::ranges::sort(tabStops, {}, [](const Native* n) { return n->spec->tabOrder; });
    for (const Native* native : tabStops) {
        SetWindowPos(native->window, HWND_BOTTOM, 0, 0, 0, 0,
                     SWP_NOMOVE | SWP_NOSIZE | SWP_NOACTIVATE);
    }

    m_toolTips.create(m_window, layout::kToolTipDelayMs, layout::kToolTipDisplayMs);
    for (const Native& native : m_controls) {
        if (!native.spec->toolTip.empty()) {
            m_toolTips.add(native.window, toWide(native.spec->toolTip));
        }
    }
    applyDpi(dpiOf(m_window));
}

void TQuorviInterpreter::applyDpi(UINT dpi)
{
    m_dpi = dpi;
    for (auto& [pixels, font] : m_fonts) {
        DeleteObject(font);
    }
    m_fonts.clear();
    HFONT windowFont = fontOf(layout::kFontPixels);

    const layout::Rect& box = layout::kGroupBox;

    HDC dc = GetDC(m_window);
    for (const Native& native : m_controls) {
        const layout::ControlLayout& spec = *native.spec;
        HFONT font = spec.fontPixels > 0 ? fontOf(spec.fontPixels) : windowFont;
        SendMessageW(native.window, WM_SETFONT, reinterpret_cast<WPARAM>(font), FALSE);
        const int left = scaled(box.left + spec.place.left);
        const int top = scaled(box.top + spec.place.top);
        int width = scaled(spec.place.width);
        int height = scaled(spec.place.height);
        if (spec.kind == layout::Kind::Label || spec.kind == layout::Kind::ClickLabel) {
            // Labels take the size of their caption in the window font.
            HGDIOBJ previous = SelectObject(dc, font);
            const std::wstring caption = toWide(spec.text);
            SIZE extent{};
            GetTextExtentPoint32W(dc, caption.c_str(), static_cast<int>(caption.size()), &extent);
            SelectObject(dc, previous);
            width = extent.cx;
            height = extent.cy;
        }
        if (spec.kind == layout::Kind::ComboBox) {
            // The box's own field keeps the layout's height; the open list hangs below.
            SendMessageW(native.window, CB_SETITEMHEIGHT, static_cast<WPARAM>(-1), height - 6);
            height += scaled(kListHeight);
        }
        MoveWindow(native.window, left, top, width, height, FALSE);
        if (spec.kind == layout::Kind::Image) {
            m_logo.load(width, height);
        }
    }
    ReleaseDC(m_window, dc);
    m_toolTips.updateRectangles(scaled(480));
    InvalidateRect(m_window, nullptr, TRUE);
}

const TQuorviInterpreter::Native* TQuorviInterpreter::nativeOf(HWND window) const
{
    // A combo box's text field and list belong to the box.
    for (HWND candidate = window; candidate && candidate != m_window;
         candidate = GetParent(candidate)) {
        for (const Native& native : m_controls) {
            if (native.window == candidate) {
                return &native;
            }
        }
    }
    return nullptr;
}

void TQuorviInterpreter::command(const Native& control, UINT code)
{
    const ControlEvents& events = eventsOf(control.spec->name);
    auto raise = [this](WindowHandlers::Handler handler) { m_handlers.run(handler); };
    switch (control.spec->kind) {
    case layout::Kind::PushButton:
    case layout::Kind::ClickLabel:
        if (code == BN_CLICKED) {
            raise(events.click);
        }
        break;
    case layout::Kind::EditBox:
        if (code == EN_CHANGE) {
            raise(events.change);
        }
        break;
    case layout::Kind::ComboBox:
        if (control.comboBox->quiet) {
            break;
        }
        if (code == CBN_DROPDOWN) {
            raise(events.dropDown);
        } else if (code == CBN_EDITCHANGE) {
            raise(events.change);
        } else if (code == CBN_SELCHANGE) {
            // A choice from the list: the item's text first (the box still shows the old
            // one now), then the click, then the change.
            const LRESULT index = SendMessageW(control.window, CB_GETCURSEL, 0, 0);
            if (index == CB_ERR) {
                break;
            }
            std::wstring item(
                static_cast<size_t>(SendMessageW(control.window, CB_GETLBTEXTLEN, index, 0)) + 1,
                L'\0');
            item.resize(static_cast<size_t>(SendMessageW(control.window, CB_GETLBTEXT, index,
                                                         reinterpret_cast<LPARAM>(item.data()))));
            control.comboBox->setTextQuietly(item);
            raise(events.click);
            raise(events.change);
        }
        break;
    default:
        break;
    }
}

HBRUSH TQuorviInterpreter::background(HDC dc, HWND control)
{
    const Native* native = nativeOf(control);
    // The window's own colours hold under any desktop theme: dark text on the sky blue
    // and on the boxes, greyed text of a disabled control still readable.
    SetTextColor(dc, IsWindowEnabled(control) ? RGB(0, 0, 0) : kGreyedText);
    if (native && native->background && native->background->colour()) {
        SetBkColor(dc, *native->background->colour());
        return native->background->brush();
    }
    if (native && isEditable(native->spec->kind)) {
        SetBkColor(dc, RGB(255, 255, 255));
        return static_cast<HBRUSH>(GetStockObject(WHITE_BRUSH));
    }
    SetBkColor(dc, colourRef(layout::kBackground));
    return m_skyBlue;
}

bool TQuorviInterpreter::setPointer(HWND target)
{
    if (target == m_window) {
        // Over a disabled control the window itself is asked.
        POINT point;
        GetCursorPos(&point);
        ScreenToClient(m_window, &point);
        target = ChildWindowFromPointEx(m_window, point, CWP_SKIPINVISIBLE | CWP_SKIPTRANSPARENT);
    }
    const Native* native = nativeOf(target);
    if (!native) {
        return false;
    }
    LPCWSTR cursor = nullptr;
    switch (native->spec->pointer) {
    case layout::Pointer::PointingHand:
        cursor = IDC_HAND;
        break;
    case layout::Pointer::NotAllowed:
        cursor = IDC_NO;
        break;
    case layout::Pointer::IBeam:
        cursor = IDC_IBEAM;
        break;
    case layout::Pointer::Arrow:
        return false;
    }
    SetCursor(LoadCursorW(nullptr, cursor));
    return true;
}

LRESULT TQuorviInterpreter::handleMessage(UINT message, WPARAM wParam, LPARAM lParam)
{
    switch (message) {
    case WM_COMMAND:
        if (const Native* control = nativeOf(reinterpret_cast<HWND>(lParam))) {
            command(*control, HIWORD(wParam));
        }
        // Enter and Escape (IDOK, IDCANCEL) press nothing.
        return 0;
    case WM_CTLCOLORSTATIC:
    case WM_CTLCOLOREDIT:
    case WM_CTLCOLORLISTBOX:
    case WM_CTLCOLORBTN:
        return reinterpret_cast<LRESULT>(
            background(reinterpret_cast<HDC>(wParam), reinterpret_cast<HWND>(lParam)));
    case WM_ERASEBKGND: {
        // The group box is drawn by the window itself: a child window beneath the
        // controls would paint over them.
        HDC dc = reinterpret_cast<HDC>(wParam);
        RECT client;
        GetClientRect(m_window, &client);
        FillRect(dc, &client, m_skyBlue);
        const layout::Rect& box = layout::kGroupBox;
        RECT frame{scaled(box.left), scaled(box.top), scaled(box.left + box.width),
                   scaled(box.top + box.height)};
        DrawEdge(dc, &frame, EDGE_ETCHED, BF_RECT);
        return 1;
    }
    case WM_DRAWITEM: {
        const auto* item = reinterpret_cast<const DRAWITEMSTRUCT*>(lParam);
        FillRect(item->hDC, &item->rcItem, m_skyBlue);
        m_logo.draw(item->hDC, item->rcItem.left, item->rcItem.top);
        return TRUE;
    }
    case WM_SETCURSOR:
        if (setPointer(reinterpret_cast<HWND>(wParam))) {
            return TRUE;
        }
        break;
    case WM_DPICHANGED: {
        applyDpi(HIWORD(wParam));
        const RECT* suggested = reinterpret_cast<const RECT*>(lParam);
        SetWindowPos(m_window, nullptr, suggested->left, suggested->top,
                     suggested->right - suggested->left, suggested->bottom - suggested->top,
                     SWP_NOZORDER | SWP_NOACTIVATE);
        return 0;
    }
    case WM_CLOSE:
        m_handlers.windowClosing();
        DestroyWindow(m_window);
        return 0;
    case WM_DESTROY:
        PostQuitMessage(0);
        return 0;
    default:
        break;
    }
    return DefWindowProcW(m_window, message, wParam, lParam);
}

LRESULT CALLBACK TQuorviInterpreter::windowProcedure(HWND window, UINT message, WPARAM wParam,
                                                     LPARAM lParam)
{
    auto* self = reinterpret_cast<TQuorviInterpreter*>(GetWindowLongPtrW(window, GWLP_USERDATA));
    if (!self) {
        return DefWindowProcW(window, message, wParam, lParam);
    }
    // No exception may unwind through the system's frames.
    LRESULT result = 0;
    reportFailures(self->m_messages,
                   [&] { result = self->handleMessage(message, wParam, lParam); });
    return result;
}

LRESULT CALLBACK TQuorviInterpreter::controlProcedure(HWND control, UINT message, WPARAM wParam,
                                                      LPARAM lParam, UINT_PTR, DWORD_PTR data)
{
    auto* self = reinterpret_cast<TQuorviInterpreter*>(data);
    const LRESULT result = DefSubclassProc(control, message, wParam, lParam);
    if (message != WM_LBUTTONDOWN && message != WM_GETDLGCODE) {
        return result;
    }
    const Native* native = self->nativeOf(control);
    if (!native) {
        return result;
    }
    if (message == WM_LBUTTONDOWN) {
        self->m_handlers.run(eventsOf(native->spec->name).click);
    } else if (message == WM_GETDLGCODE && native->spec->kind == layout::Kind::TextArea) {
        // The output area passes Tab, Enter and Escape on to the window.
        return result & ~(DLGC_WANTALLKEYS | DLGC_WANTTAB | DLGC_WANTMESSAGE);
    }
    return result;
}
