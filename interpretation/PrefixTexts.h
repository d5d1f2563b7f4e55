#pragma once

#include <string>
#include <string_view>

// The warning for a "<" prefix on a value above the limit.
std::u16string contradictionWarning(std::u16string_view prefixText, std::u16string_view valueText,
                                    std::u16string_view unitText);

// The note that a "<" prefixed value within the limit is interpreted as the plain value.
std::u16string prefixNote(std::u16string_view prefixText, std::u16string_view valueText,
                          std::u16string_view unitText);
