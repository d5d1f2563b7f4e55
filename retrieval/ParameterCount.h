#pragma once

#include <cstdint>
#include <string_view>

// Reads the interpreter document's Params text as a decimal signed 32-bit integer.
// Raises EConvertError "'<text>' is not a valid integer value" otherwise.
int32_t readParameterCount(std::u16string_view text);
