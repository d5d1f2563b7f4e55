#pragma once

#include <string>
#include <string_view>

// Users type decimal commas; every "," becomes "." and nothing else changes.
std::u16string normaliseCommas(std::u16string_view valueText);
