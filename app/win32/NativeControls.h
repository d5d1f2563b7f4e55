#pragma once

#include "app/logic/Colour.h"
#include "app/logic/Control.h"

#include <windows.h>

#include <optional>
#include <string>

inline constexpr COLORREF colourRef(Rgb colour)
{
    return RGB(colour.red, colour.green, colour.blue);
}

// The background a control paints; none set means the system's window colour.
class NativeBackground {
public:
    NativeBackground() = default;
    NativeBackground(const NativeBackground&) = delete;
    NativeBackground& operator=(const NativeBackground&) = delete;
    virtual ~NativeBackground();

    HBRUSH brush() const { return m_brush; }
    std::optional<COLORREF> colour() const { return m_colour; }

protected:
    void setColour(COLORREF colour);

private:
    HBRUSH m_brush = nullptr;
    std::optional<COLORREF> m_colour;
};

// The text a window shows.
std::wstring windowText(HWND window);

// The window logic's controls over Win32 child windows. Edit boxes raise their change
// event themselves (EN_CHANGE), also when a text is set here.
template <class Interface> class NativeControlOf : public Interface, public NativeBackground {
public:
    void attach(HWND window) { m_window = window; }
    HWND handle() const { return m_window; }

    std::u16string text() const override;
    void setText(std::u16string_view text) override;
    void setVisible(bool visible) override { ShowWindow(m_window, visible ? SW_SHOWNA : SW_HIDE); }
    void setEnabled(bool enabled) override { EnableWindow(m_window, enabled); }
    void setBackground(Rgb colour) override;
    void repaint() override
    {
        RedrawWindow(m_window, nullptr, nullptr,
                     RDW_INVALIDATE | RDW_ERASE | RDW_FRAME | RDW_ALLCHILDREN | RDW_UPDATENOW);
    }

protected:
    HWND m_window = nullptr;
};

using NativeControl = NativeControlOf<Control>;

// An editable drop-down combo box. Its list changes without changing its text.
class NativeComboBox : public NativeControlOf<ListControl> {
public:
    void clearItems() override;
    void appendItem(std::u16string_view item) override;

    // Sets the box's text without raising its events.
    void setTextQuietly(std::wstring_view text);

    // Raised events are held back while the front end itself changes the box.
    bool quiet = false;
};

// A read-only multi-line edit. It shows line breaks as CR LF but gives back exactly the
// text it was given.
class NativeTextArea : public NativeControlOf<TextAreaControl> {
public:
    std::u16string text() const override { return m_text; }
    void setText(std::u16string_view text) override;
    void appendLine(std::u16string_view line) override;

private:
    std::u16string m_text;
};
