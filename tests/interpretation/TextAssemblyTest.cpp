#include "interpretation/Placeholders.h"
#include "interpretation/PrefixTexts.h"

#include <gtest/gtest.h>
#include <optional>
#include <string>
#include <vector>

namespace {

TEST(Placeholders, ReplacesEveryOccurrenceCaseSensitively)
{
    struct Case {
        std::u16string text;
        std::u16string placeholder;
        std::u16string replacement;
        std::u16string result;
    };
    const std::vector<Case> cases{
        {u"PARAM liegt vor", u"PARAM", u"Blei", u"Blei liegt vor"},
        {u"PARAMETER und PARAM", u"PARAM", u"Blei", u"BleiETER und Blei"},
        {u"Grenzwert MCL UNIT", u"MCL", u"10", u"Grenzwert 10 UNIT"},
        {u"MCLs", u"MCL", u"10", u"10s"},
        {u"MCLMCL", u"MCL", u"10", u"1010"},
        {u"UNITUNIT", u"UNIT", u"µg/L", u"µg/Lµg/L"},
        {u"COMMUNITY", u"UNIT", u"µg/L", u"COMMµg/LY"},
        {u"CONCENTRATIONS", u"CONCENTRATION", u"5µg/L", u"5µg/LS"},
        {u"param Param Mcl mcl Unit unit Concentration", u"PARAM", u"Blei",
         u"param Param Mcl mcl Unit unit Concentration"},
        {u"param Mcl MCl", u"MCL", u"10", u"param Mcl MCl"},
        {u"MCL und MCL", u"MCL", u"", u" und "},
        {u"ohne Platzhalter", u"UNIT", u"µg/L", u"ohne Platzhalter"},
        {u"", u"PARAM", u"Blei", u""},
        {u"Zeile MCL\nZeile MCL\n", u"MCL", u"10", u"Zeile 10\nZeile 10\n"},
        // Inserted text is not searched again by the same replacement.
        {u"aMCLb", u"MCL", u"MCL MCL", u"aMCL MCLb"},
        {u"PARAM", u"PARAM", u"PARAMPARAM", u"PARAMPARAM"},
        // A unit text bringing in "MCL" leaves it for a later pass.
        {u"MCL UNIT", u"UNIT", u"MCL/L", u"MCL MCL/L"},
    };
    for (const Case& c : cases) {
        EXPECT_EQ(replacePlaceholder(c.text, c.placeholder, c.replacement), c.result)
            << testing::PrintToString(c.text);
    }
}

TEST(Placeholders, ConcentrationDependsOnThePrefix)
{
    const std::vector<std::pair<std::u16string, std::optional<std::u16string>>> cases{
        {u"keins", u"5µg/L"},     {u"Vorzeichen", u"5µg/L"}, {u"<", u"< 5µg/L"},
        {u">", u"> 5µg/L"},       {u"ca.", std::nullopt},    {u"", std::nullopt},
        {u"Keins", std::nullopt}, {u"< ", std::nullopt},     {u">=", std::nullopt},
    };
    for (const auto& [prefix, concentration] : cases) {
        EXPECT_EQ(concentrationText(prefix, u"5", u"µg/L"), concentration)
            << testing::PrintToString(prefix);
    }
    EXPECT_EQ(concentrationText(u"<", u"0.5", u"mg/L"), u"< 0.5mg/L");
    EXPECT_EQ(concentrationText(u"keins", u"1.5", u""), u"1.5");
}

TEST(PrefixTexts, ContradictionWarning)
{
    EXPECT_EQ(contradictionWarning(u"<", u"12", u"µg/L"),
              u"Achtung: Ihr angegebener Messwert < 12µg/L wurde mit einem < (kleiner) "
              u"Vorzeichen angegeben. Dies bedeutet, dass der Wert nicht nachweisbar gewesen ist "
              u"und die Konzentration folglich sehr gering ist. Es wurde festgestellt, dass "
              u"jedoch Ihr angegebener Messwert GRÖßER ist, als der Grenzwert. Dies wiederspricht "
              u"der Angabe des Vorzeichens. Möglicherweise haben Sie fehlerhaft das Vorzeichen < "
              u"ausgewählt!\nBitte überprüfen Sie Ihre Angaben! \n\n");
}

TEST(PrefixTexts, LessThanNote)
{
    EXPECT_EQ(prefixNote(u"<", u"5", u"µg/L"),
              u"Hinweis: Ihr angegebener Messwert < 5µg/L wurde mit einem < (kleiner) Vorzeichen "
              u"angegeben. Dies bedeutet, dass der Wert nicht nachweisbar gewesen ist und die "
              u"Konzentration folglich sehr gering ist. Die folgende Interpretation bezieht sich "
              u"allgemein auf den Prüfwert.\n\n");
}

} // namespace
