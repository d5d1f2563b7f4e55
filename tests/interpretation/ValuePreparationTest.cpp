#include "components/exceptions/Exception.h"
#include "interpretation/CommaNormalisation.h"
#include "interpretation/NumberReading.h"
#include "interpretation/PreparedValue.h"
#include "interpretation/SpecialResults.h"
#include "interpretation/UnitScaling.h"

#include <gtest/gtest.h>
#include <optional>
#include <string>
#include <vector>

namespace {

const std::string kNotConvertible = "Could not convert variant of type (String) into type (Double)";
const std::string kOverflow =
    "Overflow while converting variant of type (String) into type (Double)";

template <typename Call> std::string conversionMessage(Call call)
{
    try {
        call();
    } catch (const EConvertError& error) {
        return error.message();
    }
    return "no error";
}

TEST(CommaNormalisation, TurnsEveryCommaIntoAPointAndNothingElse)
{
    const std::vector<std::pair<std::u16string, std::u16string>> cases{
        {u"1,5", u"1.5"}, {u"n,b,", u"n.b."},       {u"12,3,4", u"12.3.4"},   {u"1.5", u"1.5"},
        {u",,", u".."},   {u" 1, 5 a", u" 1. 5 a"}, {u"1.000,5", u"1.000.5"}, {u"", u""},
    };
    for (const auto& [typed, normalised] : cases) {
        EXPECT_EQ(normaliseCommas(typed), normalised) << testing::PrintToString(typed);
    }
}

TEST(SpecialResults, AnswersTheFiveExactTexts)
{
    const std::vector<std::pair<std::u16string, std::u16string>> cases{
        {u"n.b.",
         u"Der Prüfwert war nicht bestimmbar oder wurde aus anderen Gründen nicht bestimmt.\n"},
        {u"n.a.",
         u"Der Prüfwert war nicht quantifizierbar. Das bedeutet, dass der untersuchte Parameter "
         u"in der Probe nicht gefunden wurde und daher keine Mengenbestimmung möglich ist.\n"},
        {u"n.n.",
         u"Der Prüfwert war nicht nachweisbar. Das bedeutet, dass bei der Analyse kein "
         u"ausreichend starkes Signal gefunden werden konnte, um sicherstellen zu können, ob "
         u"dieser Stoff vorhanden ist, um dessen Konzentration in der Probe zu bestimmen.\n"},
        {u"POSITIV",
         u"Der Prüfwert war positiv. Das bedeutet, dass die Suche nach dem Analyten in der "
         u"Probe mit einem Fund endete. \nGeben Sie alternativ statt positiv 1 an, damit eine "
         u"Interpretation des Messwertes entsprechend des Zahlenwertes möglich ist.\n"},
        {u"NEGATIV",
         u"Der Prüfwert war negativ. Der untersuchte Analyt konnte in der Probe NICHT gefunden "
         u"werden. \nGeben Sie alternativ statt negativ 0 an, damit eine Interpretation des "
         u"Messwertes entsprechend des Zahlenwertes möglich ist.\n"},
    };
    for (const auto& [value, text] : cases) {
        const auto answer = specialResultText(value);
        ASSERT_TRUE(answer.has_value()) << testing::PrintToString(value);
        EXPECT_EQ(std::u16string(*answer), text);
    }
}

TEST(SpecialResults, NearMissesAreNoSpecialResults)
{
    for (const std::u16string value :
         {u"N.B.", u"n.B.", u"positiv", u"Positiv", u"negativ", u" n.b.", u"n.b. ", u"n.b", u"n,b,",
          u"nb", u"n.n", u"NEGATIV ", u"POSITIV\n", u"", u"1"}) {
        EXPECT_FALSE(specialResultText(value).has_value()) << testing::PrintToString(value);
    }
}

TEST(NumberReading, ReadsDecimalNumbersWithAPoint)
{
    const std::vector<std::pair<std::u16string, double>> cases{
        {u"5", 5.0},
        {u"-3", -3.0},
        {u"+2.5", 2.5},
        {u"0.005", 0.005},
        {u"10.001", 10.001},
        {u"007", 7.0},
        {u"-0.25", -0.25},
        {u"1e3", 1000.0},
        {u"1.5E-3", 0.0015},
        {u"2e+2", 200.0},
        {u"1e-400", 0.0},
        {u"0", 0.0},
        {u"2147484", 2147484.0},
    };
    for (const auto& [text, number] : cases) {
        EXPECT_EQ(readNumber(text), number) << testing::PrintToString(text);
    }
}

TEST(NumberReading, RejectsEverythingElse)
{
    for (const std::u16string text :
         {u"",     u"abc", u"12.3.4", u" 5",    u"5 ",  u"1,5",    u"n.b.", u"N.B.", u".5",
          u"5.",   u"-",   u"+",      u"--5",   u"+-5", u"e5",     u"1e",   u"1e+",  u"1e1.5",
          u"0x10", u"inf", u"nan",    u"1 000", u"5µg", u"\uFF15", u"1'000"}) {
        EXPECT_EQ(conversionMessage([&] { readNumber(text); }), kNotConvertible)
            << testing::PrintToString(text);
    }
}

TEST(NumberReading, NumbersBeyondTheDoubleRangeOverflow)
{
    const std::vector<std::u16string> texts{u"1e400", u"-1e400", u"1" + std::u16string(400, u'0'),
                                            u"0.001e312"};
    for (const std::u16string& text : texts) {
        EXPECT_EQ(conversionMessage([&] { readNumber(text); }), kOverflow)
            << testing::PrintToString(text);
    }
}

TEST(UnitScaling, OnlyExactlyMgPerLitreScalesByAMillion)
{
    const std::vector<std::pair<std::u16string, double>> cases{
        {u"mg/L", 1000000.0},   {u"µg/L", 1000.0},      {u"KBE/1mL", 1000.0},
        {u"KBE/100mL", 1000.0}, {u"KBE/250mL", 1000.0}, {u"MG/L", 1000.0},
        {u"mg/l", 1000.0},      {u" mg/L", 1000.0},     {u"", 1000.0},
    };
    for (const auto& [unit, factor] : cases) {
        EXPECT_EQ(scaleFactor(unit), factor) << testing::PrintToString(unit);
    }
}

TEST(PreparedValue, ScalesAndWritesAtMostFifteenSignificantDigits)
{
    struct Case {
        std::u16string value;
        std::u16string unit;
        std::string prepared;
    };
    const std::vector<Case> cases{
        {u"5", u"µg/L", "5000"},
        {u"5", u"mg/L", "5000000"},
        {u"5", u"KBE/100mL", "5000"},
        {u"5", u"KBE/1mL", "5000"},
        {u"5", u"KBE/250mL", "5000"},
        {u"5", u"MG/L", "5000"},
        {u"0.005", u"mg/L", "5000"},
        {u"10", u"µg/L", "10000"},
        {u"10.001", u"µg/L", "10001"},
        {u"1.001", u"µg/L", "1001"},
        {u"1.0015", u"µg/L", "1001.5"},
        {u"-1.0015", u"µg/L", "-1001.5"},
        {u"0.0004", u"µg/L", "0.4"},
        {u"0.001", u"µg/L", "1"},
        {u"0.002", u"µg/L", "2"},
        {u"2147484", u"µg/L", "2147484000"},
        {u"2148", u"mg/L", "2148000000"},
        {u"2147", u"mg/L", "2147000000"},
        {u"-3", u"µg/L", "-3000"},
        {u"0", u"µg/L", "0"},
        {u"-0", u"µg/L", "0"},
        {u"1.23456789012345678", u"µg/L", "1234.56789012346"},
        {u"999999999999.9999", u"µg/L", "1E15"},
        {u"999999999999.99", u"µg/L", "999999999999990"},
        {u"1e12", u"µg/L", "1E15"},
        {u"1.5e12", u"mg/L", "1.5E18"},
        {u"0.00001", u"µg/L", "0.01"},
        {u"0.00000001", u"µg/L", "0.00001"},
        {u"0.000000004", u"µg/L", "4E-6"},
        {u"1e306", u"mg/L", "INF"},
        {u"-1e306", u"mg/L", "-INF"},
    };
    for (const Case& c : cases) {
        EXPECT_EQ(prepareValue(c.value, c.unit), c.prepared)
            << testing::PrintToString(c.value) << " " << testing::PrintToString(c.unit);
    }
}

TEST(PreparedValue, FailsWhenTheValueIsNoNumber)
{
    EXPECT_EQ(conversionMessage([] { prepareValue(u"12.3.4", u"µg/L"); }), kNotConvertible);
    EXPECT_EQ(conversionMessage([] { prepareValue(u"", u"mg/L"); }), kNotConvertible);
    EXPECT_EQ(conversionMessage([] { prepareValue(u"1e999", u"µg/L"); }), kOverflow);
}

TEST(PreparedValue, ReadsAsASigned32BitWholeNumber)
{
    const std::vector<std::pair<std::string, int32_t>> cases{
        {"1001", 1001},
        {"-3000", -3000},
        {"0", 0},
        {"2147000000", 2147000000},
        {"2147483647", 2147483647},
        {"-2147483648", -2147483647 - 1},
    };
    for (const auto& [prepared, number] : cases) {
        EXPECT_EQ(readMeasuredNumber(prepared), number) << prepared;
    }
}

TEST(PreparedValue, OtherTextsAreNoValidIntegerValue)
{
    for (const std::string prepared : {"1001.5", "0.4", "2147484000", "2148000000", "2147483648",
                                       "-2147483649", "1E15", "4E-6", "INF", "", "-", "+5", " 5"}) {
        EXPECT_EQ(conversionMessage([&] { readMeasuredNumber(prepared); }),
                  "'" + prepared + "' is not a valid integer value");
    }
}

} // namespace
