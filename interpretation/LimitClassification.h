#pragma once

#include <cstdint>
#include <string_view>

enum class Outcome { Contradiction, Exceeded, WithinWithNote, Within };

// The limit L in thousandths: the MCL text read as a number times 1000, not rounded.
// Raises EConvertError when the text is no number.
double limitValue(std::u16string_view mclText);

// v > L exceeds; equality is within. A "<" prefix claims a value below the detection
// limit, so an exceeded value with it is a contradiction; other prefixes only count for
// within.
Outcome classify(int32_t measured, double limit, std::u16string_view prefixText);
