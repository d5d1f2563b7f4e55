#include "interpretation/Placeholders.h"

std::u16string replacePlaceholder(std::u16string_view text, std::u16string_view placeholder,
                                  std::u16string_view replacement)
{
    std::u16string result;
    size_t from = 0;
    for (size_t found = text.find(placeholder); found != std::u16string_view::npos;
         found = text.find(placeholder, from)) {
        result.append(text.substr(from, found - from));
        result.append(replacement);
        from = found + placeholder.size();
    }
    result.append(text.substr(from));
    return result;
}

std::optional<std::u16string> concentrationText(std::u16string_view prefixText,
                                                std::u16string_view valueText,
                                                std::u16string_view unitText)
{
    std::u16string concentration;
    if (prefixText == u"<" || prefixText == u">") {
        concentration.append(prefixText).append(u" ");
    } else if (prefixText != u"keins" && prefixText != u"Vorzeichen") {
        return std::nullopt;
    }
    return concentration.append(valueText).append(unitText);
}
