#pragma once

#include "app/logic/Colour.h"

#include <span>
#include <string_view>

// The main window's layout as the front ends build it: every control's name, kind, place,
// texts and initial state, laid out for 96 dots per inch.
namespace layout {

struct Size {
    int width;
    int height;
};

struct Rect {
    int left;
    int top;
    int width;
    int height;
};

enum class Kind { Label, EditBox, ComboBox, PushButton, TextArea, Image, ClickLabel };

enum class Pointer { Arrow, PointingHand, NotAllowed, IBeam };

inline constexpr int kNotATabStop = -1;

struct ControlLayout {
    std::string_view name;
    Kind kind;
    // Left and top in the group box. Labels size themselves to their caption; the size
    // given is that of the caption in the window font.
    Rect place;
    // Caption, or the initial text of an edit or combo box.
    std::u16string_view text = {};
    std::span<const std::u16string_view> items = {};
    std::u16string_view toolTip = {};
    // For assistive technology where no label names the control.
    std::u16string_view accessibleName = {};
    // The control a label names.
    std::string_view labelFor = {};
    bool enabled = true;
    bool visible = true;
    int tabOrder = kNotATabStop;
    Pointer pointer = Pointer::Arrow;
    // Characters the box takes; 0 for no limit.
    int maxLength = 0;
    // Character height in pixels; 0 for the window font.
    int fontPixels = 0;
    // Text areas: a vertical scroll bar, and focus and scrolling when enabled.
    bool verticalScrollBar = false;
};

inline constexpr Size kClientSize{1076, 740};
inline constexpr Rect kGroupBox{8, 8, 1062, 726};
inline constexpr Rgb kBackground = colours::kSkyBlue;
inline constexpr std::u16string_view kFontFamily = u"Tahoma";
inline constexpr int kFontPixels = 11;
inline constexpr int kToolTipDelayMs = 500;
inline constexpr int kToolTipDisplayMs = 20000;

// In the order the controls are created, which is also their drawing order.
std::span<const ControlLayout> controls();
const ControlLayout& control(std::string_view name);

} // namespace layout
