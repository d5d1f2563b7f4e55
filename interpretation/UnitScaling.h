#pragma once

#include <string_view>

// Values are compared in thousandths of the limit's unit, and limits are given in µg/L for
// concentrations: "mg/L" (exactly so) scales by 1000000, every other unit text by 1000.
double scaleFactor(std::u16string_view unitText);
