#pragma once

#include <cstdint>
#include <string>
#include <string_view>

// Path of a field of the interpreter document's i-th top-level member, e.g. "/json/[3]/Param".
std::u16string entryPath(int32_t index, std::u16string_view field);
