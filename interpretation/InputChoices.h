#pragma once

#include <string_view>

// The items the window offers for the prefix and the unit of a measured value; the
// boxes also take typed text.
inline constexpr std::u16string_view kPrefixChoices[] = {u"keins", u">", u"<"};
inline constexpr std::u16string_view kUnitChoices[] = {u"µg/L", u"mg/L", u"KBE/1mL", u"KBE/100mL",
                                                       u"KBE/250mL"};
