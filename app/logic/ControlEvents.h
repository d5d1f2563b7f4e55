#pragma once

#include "app/logic/WindowHandlers.h"

#include <span>
#include <string_view>

// Which handler each control's events run. A front end raises them in the order the
// workflow expects: for a choice from a combo box's list the text is set first, then
// the click, then the change; typing raises the change; opening the list the drop-down.
struct ControlEvents {
    std::string_view name;
    WindowHandlers::Handler click = nullptr;
    WindowHandlers::Handler change = nullptr;
    WindowHandlers::Handler dropDown = nullptr;
};

std::span<const ControlEvents> controlEvents();
// The events of the named control; none for a control that has no events bound.
const ControlEvents& eventsOf(std::string_view name);
