#pragma once

#include "app/logic/WindowLayout.h"

#include <string_view>

// Each control of the layout has the id of its place in the layout table, from
// kFirstControlId on; ids 1 and 2 stay free for the dialog keys Enter and Escape.
inline constexpr int kFirstControlId = 100;

inline int controlId(std::string_view name)
{
    return kFirstControlId + static_cast<int>(&layout::control(name) - layout::controls().data());
}
