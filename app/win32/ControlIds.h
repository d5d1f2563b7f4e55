#pragma once

#include "WindowLayout.h"

#include <stdexcept>
#include <string>
#include <string_view>

// Each control of the layout has the id of its place in the layout table, from
// firstControlId on; ids 1 and 2 stay free for the dialog keys Enter and Escape.
inline constexpr int firstControlId = 100;

inline int controlId(std::string_view name)
{
    const auto controls = layout::controls();
    for (size_t i = 0; i < controls.size(); ++i) {
        if (controls[i].name == name) {
            return firstControlId + static_cast<int>(i);
        }
    }
    throw std::out_of_range("no control named " + std::string(name));
}
