#pragma once

#include <optional>
#include <string>
#include <string_view>

// Replaces every occurrence of the placeholder, left to right and without overlaps; the
// inserted text is not searched again.
std::u16string replacePlaceholder(std::u16string_view text, std::u16string_view placeholder,
                                  std::u16string_view replacement);

// What "CONCENTRATION" becomes for the prefix text; nothing for a prefix typed by the user.
std::optional<std::u16string> concentrationText(std::u16string_view prefixText,
                                                std::u16string_view valueText,
                                                std::u16string_view unitText);
