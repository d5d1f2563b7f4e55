#pragma once

#include "app/logic/Control.h"
#include "app/logic/ControlEvents.h"
#include "app/logic/MessagePresenter.h"
#include "app/logic/WindowHandlers.h"
#include "components/wrappers/TnetHTTP.h"
#include "components/wrappers/TnetJSON.h"
#include "components/wrappers/TnetREST.h"

#include <functional>
#include <initializer_list>
#include <optional>
#include <string>
#include <vector>

// A control that keeps what the logic sets, for the test to read back. Setting a
// different text raises the change event, as in the real front ends.
template <class Interface> class FakeControlOf : public Interface {
public:
    std::string_view name;
    std::u16string value;
    bool visible = true;
    bool enabled = true;
    std::optional<Rgb> colour; // unset: the system's white
    int repaints = 0;
    std::function<void()> changed;

    std::u16string text() const override { return value; }
    void setText(std::u16string_view text) override
    {
        if (text != value) {
            value = text;
            if (changed) {
                changed();
            }
        }
    }
    void setVisible(bool on) override { visible = on; }
    void setEnabled(bool on) override { enabled = on; }
    void setBackground(Rgb rgb) override { colour = rgb; }
    void repaint() override { ++repaints; }
};

using FakeControl = FakeControlOf<Control>;

class FakeList : public FakeControlOf<ListControl> {
public:
    std::vector<std::u16string> items;

    void clearItems() override { items.clear(); }
    void appendItem(std::u16string_view item) override { items.emplace_back(item); }
};

class FakeTextArea : public FakeControlOf<TextAreaControl> {
public:
    void appendLine(std::u16string_view line) override
    {
        value += line;
        value += u'\n';
    }
};

struct RecordingMessages : MessagePresenter {
    std::vector<std::u16string> informations;
    std::vector<std::u16string> errors;

    void inform(std::u16string_view text) override { informations.emplace_back(text); }
    void error(std::u16string_view text) override { errors.emplace_back(text); }
};

// The window as a front end makes it from the layout, with fake controls: initial texts
// and states from the layout table, and the change events delivered to the handlers.
class FakeWindow {
public:
    explicit FakeWindow(std::u16string serviceBaseUrl = u"https://127.0.0.1:1/");

    // A list choice: the item's text, then the click, then the change, as the combo
    // boxes raise them.
    template <class Box> void choose(Box& box, std::u16string_view item)
    {
        box.value = item;
        handlers.run(eventsOf(box.name).click);
        box.changed();
    }
    // Typing: the box's text changes, and a different text raises the change event.
    template <class Box> void type(Box& box, std::u16string_view text) { box.setText(text); }
    // What a complete load does last: the names appended, the box yellow and enabled.
    void completeLoad(std::initializer_list<std::u16string_view> parameters);

    FakeControl SampleCodeEdit;
    FakeControl SampleTypeEdit;
    FakeControl SampleNameEdit;
    FakeList ParameterComboBox;
    FakeControl PrefixComboBox;
    FakeControl valueEdit;
    FakeControl Unit;
    FakeControl process;
    FakeTextArea interpretation;
    FakeTextArea disclaimer;

    TnetJSON netJSON1;
    TnetREST netREST1;
    TnetREST netREST2;
    TnetJSON netJSON2;
    TnetHTTP netHTTP;

    RecordingMessages messages;
    WindowControls controls{SampleCodeEdit, SampleTypeEdit, SampleNameEdit, ParameterComboBox,
                            PrefixComboBox, valueEdit,      Unit,           process,
                            interpretation, disclaimer};
    WindowHandlers handlers;
};

// "visible enabled yellow": what a user sees of a control, in one comparable text.
template <class Fake> std::string state(const Fake& control)
{
    std::string colour = "white";
    if (control.colour == colours::kYellow) {
        colour = "yellow";
    } else if (control.colour == colours::kLime) {
        colour = "lime";
    } else if (control.colour == colours::kGreen) {
        colour = "green";
    } else if (control.colour == colours::kRed) {
        colour = "red";
    } else if (control.colour) {
        colour = "another colour";
    }
    return std::string(control.visible ? "visible " : "hidden ") +
           (control.enabled ? "enabled " : "disabled ") + colour;
}
