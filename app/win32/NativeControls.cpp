#include "app/win32/NativeControls.h"

#include "app/win32/WideText.h"

std::wstring windowText(HWND window)
{
    std::wstring text(static_cast<size_t>(GetWindowTextLengthW(window)) + 1, L'\0');
    text.resize(
        static_cast<size_t>(GetWindowTextW(window, text.data(), static_cast<int>(text.size()))));
    return text;
}

namespace {

std::wstring withCrLf(std::u16string_view text)
{
    std::wstring shown;
    shown.reserve(text.size());
    for (char16_t c : text) {
        if (c == u'\n') {
            shown += L'\r';
        }
        shown += static_cast<wchar_t>(c);
    }
    return shown;
}

} // namespace

template <class Interface> std::u16string NativeControlOf<Interface>::text() const
{
    return fromWide(windowText(m_window));
}

// Setting the text a box already has is no change and raises nothing.
template <class Interface> void NativeControlOf<Interface>::setText(std::u16string_view text)
{
    if (text != this->text()) {
        SetWindowTextW(m_window, toWide(text).c_str());
    }
}

NativeBackground::~NativeBackground()
{
    if (m_brush) {
        DeleteObject(m_brush);
    }
}

void NativeBackground::setColour(COLORREF colour)
{
    if (m_colour != colour) {
        if (m_brush) {
            DeleteObject(m_brush);
        }
        m_brush = CreateSolidBrush(colour);
        m_colour = colour;
    }
}

template <class Interface> void NativeControlOf<Interface>::setBackground(Rgb colour)
{
    setColour(colourRef(colour));
    InvalidateRect(m_window, nullptr, TRUE);
    if (HWND field = FindWindowExW(m_window, nullptr, L"Edit", nullptr)) {
        InvalidateRect(field, nullptr, TRUE);
    }
}

template class NativeControlOf<Control>;
template class NativeControlOf<ListControl>;
template class NativeControlOf<TextAreaControl>;

void NativeComboBox::setTextQuietly(std::wstring_view text)
{
    quiet = true;
    SetWindowTextW(m_window, std::wstring(text).c_str());
    quiet = false;
}

void NativeComboBox::clearItems()
{
    const std::wstring shown = windowText(m_window);
    quiet = true;
    SendMessageW(m_window, CB_RESETCONTENT, 0, 0);
    quiet = false;
    setTextQuietly(shown);
}

void NativeComboBox::appendItem(std::u16string_view item)
{
    SendMessageW(m_window, CB_ADDSTRING, 0, reinterpret_cast<LPARAM>(toWide(item).c_str()));
}

void NativeTextArea::setText(std::u16string_view text)
{
    m_text = text;
    SetWindowTextW(m_window, withCrLf(text).c_str());
}

void NativeTextArea::appendLine(std::u16string_view line)
{
    m_text += line;
    m_text += u'\n';
    const std::wstring added = withCrLf(line) + L"\r\n";
    const LRESULT end = SendMessageW(m_window, WM_GETTEXTLENGTH, 0, 0);
    SendMessageW(m_window, EM_SETSEL, static_cast<WPARAM>(end), end);
    SendMessageW(m_window, EM_REPLACESEL, FALSE, reinterpret_cast<LPARAM>(added.c_str()));
}
