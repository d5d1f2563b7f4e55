#pragma once

#include <cstdint>
#include <string>
#include <string_view>

// The measured value scaled by its unit and written as text with at most 15 significant
// digits: plain digits when that is a whole number below 10^15 in magnitude, otherwise with
// a "." or an exponent. Raises EConvertError when the value text is no number.
std::string prepareValue(std::u16string_view valueText, std::u16string_view unitText);

// Writes a scaled value the way prepareValue does.
std::string preparedValueText(double product);

// Reads the prepared value as a signed 32-bit whole number; raises EConvertError
// "'<text>' is not a valid integer value" for anything else.
int32_t readMeasuredNumber(std::string_view preparedValue);
