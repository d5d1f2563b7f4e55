#include "interpretation/SpecialResults.h"

#include <array>
#include <utility>

namespace {

using SpecialResult = std::pair<std::u16string_view, std::u16string_view>;

// Compared in this order.
constexpr std::array<SpecialResult, 5> kSpecialResults{{
    {u"n.b.",
     u"Der Prüfwert war nicht bestimmbar oder wurde aus anderen Gründen nicht bestimmt.\n"},
    {u"n.a.",
     u"Der Prüfwert war nicht quantifizierbar. Das bedeutet, dass der untersuchte Parameter in "
     u"der Probe nicht gefunden wurde und daher keine Mengenbestimmung möglich ist.\n"},
    {u"n.n.",
     u"Der Prüfwert war nicht nachweisbar. Das bedeutet, dass bei der Analyse kein ausreichend "
     u"starkes Signal gefunden werden konnte, um sicherstellen zu können, ob dieser Stoff "
     u"vorhanden ist, um dessen Konzentration in der Probe zu bestimmen.\n"},
    {u"POSITIV",
     u"Der Prüfwert war positiv. Das bedeutet, dass die Suche nach dem Analyten in der Probe "
     u"mit einem Fund endete. \nGeben Sie alternativ statt positiv 1 an, damit eine "
     u"Interpretation des Messwertes entsprechend des Zahlenwertes möglich ist.\n"},
    {u"NEGATIV",
     u"Der Prüfwert war negativ. Der untersuchte Analyt konnte in der Probe NICHT gefunden "
     u"werden. \nGeben Sie alternativ statt negativ 0 an, damit eine Interpretation des "
     u"Messwertes entsprechend des Zahlenwertes möglich ist.\n"},
}};

} // namespace

std::optional<std::u16string_view> specialResultText(std::u16string_view valueText)
{
    for (const auto& [value, text] : kSpecialResults) {
        if (valueText == value) {
            return text;
        }
    }
    return std::nullopt;
}
