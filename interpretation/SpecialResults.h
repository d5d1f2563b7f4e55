#pragma once

#include <optional>
#include <string_view>

// The laboratory's non-numeric results. Returns the output text for a value text that is
// exactly one of them (case-sensitive, whole text), nothing otherwise.
std::optional<std::u16string_view> specialResultText(std::u16string_view valueText);
