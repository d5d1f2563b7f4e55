#include "interpretation/PrefixTexts.h"

namespace {

constexpr std::u16string_view kWarningOpening = u"Achtung: Ihr angegebener Messwert ";
constexpr std::u16string_view kWarningContinuation =
    u" wurde mit einem < (kleiner) Vorzeichen angegeben. Dies bedeutet, dass der Wert nicht "
    u"nachweisbar gewesen ist und die Konzentration folglich sehr gering ist. Es wurde "
    u"festgestellt, dass jedoch Ihr angegebener Messwert GRÖßER ist, als der Grenzwert. Dies "
    u"wiederspricht der Angabe des Vorzeichens. Möglicherweise haben Sie fehlerhaft das "
    u"Vorzeichen < ausgewählt!\nBitte überprüfen Sie Ihre Angaben! \n\n";
constexpr std::u16string_view kNoteOpening = u"Hinweis: Ihr angegebener Messwert ";
constexpr std::u16string_view kNoteContinuation =
    u" wurde mit einem < (kleiner) Vorzeichen angegeben. Dies bedeutet, dass der Wert nicht "
    u"nachweisbar gewesen ist und die Konzentration folglich sehr gering ist. Die folgende "
    u"Interpretation bezieht sich allgemein auf den Prüfwert.\n\n";

std::u16string framed(std::u16string_view opening, std::u16string_view prefixText,
                      std::u16string_view valueText, std::u16string_view unitText,
                      std::u16string_view continuation)
{
    std::u16string text(opening);
    text.append(prefixText).append(u" ").append(valueText).append(unitText).append(continuation);
    return text;
}

} // namespace

std::u16string contradictionWarning(std::u16string_view prefixText, std::u16string_view valueText,
                                    std::u16string_view unitText)
{
    return framed(kWarningOpening, prefixText, valueText, unitText, kWarningContinuation);
}

std::u16string prefixNote(std::u16string_view prefixText, std::u16string_view valueText,
                          std::u16string_view unitText)
{
    return framed(kNoteOpening, prefixText, valueText, unitText, kNoteContinuation);
}
