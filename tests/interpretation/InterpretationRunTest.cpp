#include "interpretation/InterpretationRun.h"

#include "components/exceptions/Exception.h"
#include "components/wrappers/TnetJSON.h"
#include "interpretation/PrefixTexts.h"
#include "tests/interpretation/FakeInterpretationView.h"

#include <gtest/gtest.h>
#include <optional>
#include <ostream>
#include <string>
#include <vector>

namespace {

struct Fixture {
    std::u16string_view json;
    int32_t parameterCount;
};

const Fixture kDrinkingWater{uR"({
  "Blei": {"Param": "Blei", "MCL": "10",
           "MCLLevel1": "Der Wert CONCENTRATION liegt über dem Grenzwert von MCL UNIT für PARAM.",
           "MCLOK": "CONCENTRATION / MCL UNIT",
           "SpecialComment": "Blei stammt oft aus alten Leitungen.", "Unit": "µg/L"},
  "Nitrat": {"Param": "Nitrat", "MCL": 50, "MCLLevel1": "PARAM über MCL UNIT",
             "MCLOK": "PARAM unter MCL UNIT", "SpecialComment": "Hinweis zu \"PARAM\".",
             "Unit": "mg/L"},
  "Arsen": {"Param": "Arsen", "MCL": "0.0015", "MCLLevel1": "zu hoch: CONCENTRATION",
            "MCLOK": "in Ordnung: CONCENTRATION", "SpecialComment": "", "Unit": "µg/L"},
  "Params": 4,
  "Introtext": "So lesen Sie Ihre Trinkwasserwerte."
})",
                             4};

const Fixture kTwice{uR"({
  "a": {"Param": "Blei", "MCL": "10", "MCLLevel1": "Erster Eintrag über MCL UNIT",
        "MCLOK": "Erster Eintrag bis MCL UNIT", "SpecialComment": "Kommentar eins",
        "Unit": "µg/L"},
  "b": {"Param": "Kupfer", "MCL": "2", "MCLLevel1": "Kupfer hoch", "MCLOK": "Kupfer gut",
        "SpecialComment": "", "Unit": "mg/L"},
  "c": {"Param": "Blei", "MCL": "25", "MCLLevel1": "Zweiter Eintrag über MCL UNIT",
        "MCLOK": "Zweiter Eintrag bis MCL UNIT", "SpecialComment": "Kommentar zwei",
        "Unit": "µg/l"},
  "Params": "4",
  "Introtext": "So lesen Sie Ihre Trinkwasserwerte."
})",
                     4};

const Fixture kPlaceholderChain{uR"({
  "a": {"Param": "Keime", "MCL": "100", "MCLLevel1": "zu viele", "MCLOK": "Grenzwert UNIT",
        "SpecialComment": "PARAMs gezählt", "Unit": "KBE/MCL"},
  "b": {"Param": "Koloniezahl UNIT", "MCL": "20", "MCLLevel1": "PARAM: CONCENTRATION",
        "MCLOK": "PARAM: CONCENTRATION, MCLs erlaubt",
        "SpecialComment": "param, Mcl und Unit bleiben", "Unit": "KBE/1mL"},
  "c": {"Param": "Enterokokken", "MCL": "0", "MCLLevel1": "", "MCLOK": "",
        "SpecialComment": "", "Unit": "KBE/100mL"},
  "Params": 4,
  "Introtext": "So lesen Sie Ihre Trinkwasserwerte."
})",
                                4};

const Fixture kGaps{uR"({
  "a": {"Param": "OhneLevel1", "MCL": "10", "MCLOK": "ok", "SpecialComment": "sc",
        "Unit": "µg/L"},
  "b": {"Param": "OhneOK", "MCL": "10", "MCLLevel1": "hoch", "SpecialComment": "sc",
        "Unit": "µg/L"},
  "c": {"Param": "OhneKommentar", "MCL": "10", "MCLLevel1": "hoch MCL", "MCLOK": "ok MCL",
        "Unit": "µg/L"},
  "d": {"Param": "LeereEinheit", "MCL": "10", "MCLLevel1": "über MCL UNIT.", "MCLOK": "",
        "SpecialComment": "", "Unit": ""},
  "e": {"Param": "Doppelt", "MCL": "10", "MCLLevel1": "hoch", "MCLOK": "erster bis MCL",
        "SpecialComment": "sc", "Unit": "µg/L"},
  "f": {"Param": "Doppelt", "MCL": "n.b.", "MCLLevel1": "hoch", "MCLOK": "zweiter",
        "SpecialComment": "sc", "Unit": "µg/L"},
  "g": {"Param": "LeererGrenzwert", "MCL": "", "MCLLevel1": "hoch", "MCLOK": "ok",
        "SpecialComment": "sc", "Unit": "µg/L"},
  "Params": 8,
  "Introtext": "So lesen Sie Ihre Trinkwasserwerte."
})",
                    8};

const Fixture kMissingLimit{uR"({
  "a": {"Param": "Blei", "MCL": "10", "MCLLevel1": "hoch", "MCLOK": "PARAM bis MCL UNIT",
        "SpecialComment": "sc", "Unit": "PARAM/MCL"},
  "b": {"Param": "Kupfer", "MCLLevel1": "hoch", "MCLOK": "ok", "SpecialComment": "sc",
        "Unit": "mg/L"},
  "c": {"Param": "Zink", "MCL": "5", "MCLLevel1": "hoch", "MCLOK": "ok", "SpecialComment": "sc",
        "Unit": "mg/L"},
  "Params": 4,
  "Introtext": "So lesen Sie Ihre Trinkwasserwerte."
})",
                            4};

const Fixture kMissingUnit{uR"({
  "a": {"Param": "Blei", "MCL": "10", "MCLLevel1": "hoch", "MCLOK": "PARAM bis MCL UNIT",
        "SpecialComment": "sc", "Unit": "PARAM/MCL"},
  "b": {"Param": "Kupfer", "MCL": "2", "MCLLevel1": "hoch", "MCLOK": "ok",
        "SpecialComment": "sc"},
  "Params": 3,
  "Introtext": "So lesen Sie Ihre Trinkwasserwerte."
})",
                           3};

const Fixture kMissingParam{uR"({
  "a": {"Param": "Blei", "MCL": "10", "MCLLevel1": "hoch", "MCLOK": "ok", "SpecialComment": "sc",
        "Unit": "µg/L"},
  "b": {"MCL": "2", "MCLLevel1": "hoch", "MCLOK": "ok", "SpecialComment": "sc", "Unit": "mg/L"},
  "Params": 3,
  "Introtext": "So lesen Sie Ihre Trinkwasserwerte."
})",
                            3};

const Fixture kMissingIntro{uR"({
  "a": {"Param": "Blei", "MCL": "10", "MCLLevel1": "hoch", "MCLOK": "ok", "SpecialComment": "sc",
        "Unit": "µg/L"},
  "Params": 2
})",
                            2};

const Fixture kEmptyIntro{uR"({
  "a": {"Param": "Blei", "MCL": "10", "MCLLevel1": "hoch", "MCLOK": "ok", "SpecialComment": "sc",
        "Unit": "µg/L"},
  "Params": 2,
  "Introtext": ""
})",
                          2};

const std::u16string kDocumentIntro = u"So lesen Sie Ihre Trinkwasserwerte.";
const std::u16string kOldIntro = u"Einführung der vorigen Probe";
const std::u16string kNotDeterminable =
    u"Der Prüfwert war nicht bestimmbar oder wurde aus anderen Gründen nicht bestimmt.\n";
const std::u16string kNegative =
    u"Der Prüfwert war negativ. Der untersuchte Analyt konnte in der Probe NICHT gefunden "
    u"werden. \nGeben Sie alternativ statt negativ 0 an, damit eine Interpretation des "
    u"Messwertes entsprechend des Zahlenwertes möglich ist.\n";
const std::u16string kLeadComment = u"Blei stammt oft aus alten Leitungen.\n";
const std::string kNotConvertible = "Could not convert variant of type (String) into type (Double)";
const std::string kInvalidPath = "10233: Invalid XPath.";

std::u16string warningLine(std::u16string_view value, std::u16string_view unit)
{
    return contradictionWarning(u"<", value, unit) + u"\n";
}

std::u16string noteLine(std::u16string_view value, std::u16string_view unit)
{
    return prefixNote(u"<", value, unit) + u"\n";
}

// The window before the run holds a report status line in the output area and the previous
// sample's intro text; an error of "" means the run ends normally.
struct RunCase {
    std::string name;
    const Fixture* document = nullptr;
    std::u16string value{};
    std::u16string unit = u"µg/L";
    std::u16string prefix = u"keins";
    std::u16string parameter = u"Blei";
    std::optional<int32_t> parameterCount{};
    std::optional<OutputColour> colourBefore{};

    std::u16string output{};
    std::u16string intro = kDocumentIntro;
    std::optional<OutputColour> colour{};
    std::string error{};
    std::optional<std::u16string> normalisedValue{};
};

void PrintTo(const RunCase& run, std::ostream* os)
{
    *os << run.name;
}

constexpr auto kYellow = OutputColour::Yellow;
constexpr auto kLime = OutputColour::Lime;

const std::vector<RunCase> kRuns{
    // Special results and near misses
    {.name = "NotDeterminable",
     .document = &kDrinkingWater,
     .value = u"n.b.",
     .output = kNotDeterminable,
     .intro = kOldIntro},
    {.name = "CommasBeforeSpecialResults",
     .document = &kDrinkingWater,
     .value = u"n,b,",
     .output = kNotDeterminable,
     .intro = kOldIntro,
     .normalisedValue = u"n.b."},
    {.name = "SpecialResultKeepsColour",
     .document = &kDrinkingWater,
     .value = u"NEGATIV",
     .colourBefore = kLime,
     .output = kNegative,
     .intro = kOldIntro,
     .colour = kLime},
    {.name = "SpecialResultNeedsNoIntro",
     .document = &kMissingIntro,
     .value = u"n.b.",
     .output = kNotDeterminable,
     .intro = kOldIntro},
    {.name = "CapitalsAreNoSpecialResult",
     .document = &kDrinkingWater,
     .value = u"N.B.",
     .intro = kOldIntro,
     .error = kNotConvertible},
    {.name = "LowerCasePositiv",
     .document = &kDrinkingWater,
     .value = u"positiv",
     .intro = kOldIntro,
     .error = kNotConvertible},
    {.name = "BlankBeforeSpecialResult",
     .document = &kDrinkingWater,
     .value = u" n.b.",
     .intro = kOldIntro,
     .error = kNotConvertible},
    {.name = "SeveralPoints",
     .document = &kDrinkingWater,
     .value = u"12,3,4",
     .intro = kOldIntro,
     .error = kNotConvertible,
     .normalisedValue = u"12.3.4"},
    {.name = "EmptyValue",
     .document = &kDrinkingWater,
     .value = u"",
     .intro = kOldIntro,
     .error = kNotConvertible},
    {.name = "ValueBeyondDoubleRange",
     .document = &kDrinkingWater,
     .value = u"1e999",
     .intro = kOldIntro,
     .error = "Overflow while converting variant of type (String) into type (Double)"},

    // Prefixes and the limit
    {.name = "DecimalComma",
     .document = &kDrinkingWater,
     .value = u"1,5",
     .output = u"1.5µg/L / 10 µg/L\n" + kLeadComment,
     .colour = kLime,
     .normalisedValue = u"1.5"},
    {.name = "WithinNoPrefix",
     .document = &kDrinkingWater,
     .value = u"5",
     .output = u"5µg/L / 10 µg/L\n" + kLeadComment,
     .colour = kLime},
    {.name = "WithinGreaterThan",
     .document = &kDrinkingWater,
     .value = u"5",
     .prefix = u">",
     .output = u"> 5µg/L / 10 µg/L\n" + kLeadComment,
     .colour = kLime},
    {.name = "WithinPrompt",
     .document = &kDrinkingWater,
     .value = u"5",
     .prefix = u"Vorzeichen",
     .output = u"5µg/L / 10 µg/L\n" + kLeadComment,
     .colour = kLime},
    {.name = "WithinLessThan",
     .document = &kDrinkingWater,
     .value = u"5",
     .prefix = u"<",
     .output = noteLine(u"5", u"µg/L") + u"< 5µg/L / 10 µg/L\n" + kLeadComment,
     .colour = kLime},
    {.name = "WithinTypedPrefix",
     .document = &kDrinkingWater,
     .value = u"5",
     .prefix = u"ca.",
     .output = u"CONCENTRATION / 10 µg/L\n" + kLeadComment,
     .colour = kLime},
    {.name = "AtTheLimit",
     .document = &kDrinkingWater,
     .value = u"10",
     .output = u"10µg/L / 10 µg/L\n" + kLeadComment,
     .colour = kLime},
    {.name = "JustAboveTheLimit",
     .document = &kDrinkingWater,
     .value = u"10.001",
     .colourBefore = kLime,
     .output =
         u"Der Wert 10.001µg/L liegt über dem Grenzwert von 10 µg/L für Blei.\n" + kLeadComment,
     .colour = kYellow},
    {.name = "ExceededGreaterThan",
     .document = &kDrinkingWater,
     .value = u"10.001",
     .prefix = u">",
     .output =
         u"Der Wert > 10.001µg/L liegt über dem Grenzwert von 10 µg/L für Blei.\n" + kLeadComment,
     .colour = kYellow},
    {.name = "ExceededTypedPrefix",
     .document = &kDrinkingWater,
     .value = u"11",
     .prefix = u"ca.",
     .output =
         u"Der Wert CONCENTRATION liegt über dem Grenzwert von 10 µg/L für Blei.\n" + kLeadComment,
     .colour = kYellow},
    {.name = "Contradiction",
     .document = &kDrinkingWater,
     .value = u"10.001",
     .prefix = u"<",
     .colourBefore = kLime,
     .output = warningLine(u"10.001", u"µg/L"),
     .colour = kLime},
    {.name = "ContradictionFillsNoPlaceholders",
     .document = &kDrinkingWater,
     .value = u"11",
     .unit = u"UNIT",
     .prefix = u"<",
     .output = warningLine(u"11", u"UNIT")},

    // Scaling and rounding
    {.name = "MilligramsWithin",
     .document = &kDrinkingWater,
     .value = u"0.005",
     .unit = u"mg/L",
     .output = u"0.005mg/L / 10 µg/L\n" + kLeadComment,
     .colour = kLime},
    {.name = "MilligramsExceeded",
     .document = &kDrinkingWater,
     .value = u"5",
     .unit = u"mg/L",
     .output = u"Der Wert 5mg/L liegt über dem Grenzwert von 10 µg/L für Blei.\n" + kLeadComment,
     .colour = kYellow},
    {.name = "CapitalUnitScalesByThousand",
     .document = &kDrinkingWater,
     .value = u"5",
     .unit = u"MG/L",
     .output = u"5MG/L / 10 µg/L\n" + kLeadComment,
     .colour = kLime},
    {.name = "ColonyCount",
     .document = &kDrinkingWater,
     .value = u"5",
     .unit = u"KBE/100mL",
     .output = u"5KBE/100mL / 10 µg/L\n" + kLeadComment,
     .colour = kLime},
    {.name = "RoundsToWholeNumber",
     .document = &kDrinkingWater,
     .value = u"1.001",
     .output = u"1.001µg/L / 10 µg/L\n" + kLeadComment,
     .colour = kLime},
    {.name = "NotWholeAtMatch",
     .document = &kDrinkingWater,
     .value = u"1.0015",
     .error = "'1001.5' is not a valid integer value"},
    {.name = "SmallFractionAtMatch",
     .document = &kDrinkingWater,
     .value = u"0.0004",
     .error = "'0.4' is not a valid integer value"},
    {.name = "SmallFractionWithoutMatch",
     .document = &kDrinkingWater,
     .value = u"0.0004",
     .parameter = u"Quecksilber"},
    {.name = "BeyondInt32",
     .document = &kDrinkingWater,
     .value = u"2147484",
     .error = "'2147484000' is not a valid integer value"},
    {.name = "BeyondInt32Milligrams",
     .document = &kDrinkingWater,
     .value = u"2148",
     .unit = u"mg/L",
     .error = "'2148000000' is not a valid integer value"},
    {.name = "LargestMilligrams",
     .document = &kDrinkingWater,
     .value = u"2147",
     .unit = u"mg/L",
     .output = u"Der Wert 2147mg/L liegt über dem Grenzwert von 10 µg/L für Blei.\n" + kLeadComment,
     .colour = kYellow},
    {.name = "NegativeValue",
     .document = &kDrinkingWater,
     .value = u"-3",
     .output = u"-3µg/L / 10 µg/L\n" + kLeadComment,
     .colour = kLime},
    {.name = "TinyLimitWithin",
     .document = &kDrinkingWater,
     .value = u"0.001",
     .parameter = u"Arsen",
     .output = u"in Ordnung: 0.001µg/L\n\n",
     .colour = kLime},
    {.name = "TinyLimitExceeded",
     .document = &kDrinkingWater,
     .value = u"0.002",
     .parameter = u"Arsen",
     .output = u"zu hoch: 0.002µg/L\n\n",
     .colour = kYellow},

    // Finding the entry
    {.name = "DocumentUnitFillsUnit",
     .document = &kDrinkingWater,
     .value = u"60",
     .parameter = u"Nitrat",
     .output = u"Nitrat über 50 mg/L\nHinweis zu \"Nitrat\".\n",
     .colour = kYellow},
    {.name = "ParameterIsCaseSensitive",
     .document = &kDrinkingWater,
     .value = u"5",
     .parameter = u"blei"},
    {.name = "NoEntryWithCountOne",
     .document = &kDrinkingWater,
     .value = u"5",
     .parameterCount = 1},
    {.name = "CountBoundsTheWalk",
     .document = &kDrinkingWater,
     .value = u"5",
     .parameter = u"Nitrat",
     .parameterCount = 2},
    {.name = "TwoEntriesWithin",
     .document = &kTwice,
     .value = u"5",
     .output = u"Erster Eintrag bis 10 µg/L\nKommentar eins\n"
               u"Zweiter Eintrag bis 25 µg/l\nKommentar zwei\n",
     .colour = kLime},
    {.name = "TwoEntriesExceededThenWithin",
     .document = &kTwice,
     .value = u"15",
     .output = u"Erster Eintrag über 10 µg/L\nKommentar eins\n"
               u"Zweiter Eintrag bis 25 µg/l\nKommentar zwei\n",
     .colour = kLime},
    {.name = "TwoEntriesBothExceeded",
     .document = &kTwice,
     .value = u"30",
     .output = u"Erster Eintrag über 10 µg/L\nKommentar eins\n"
               u"Zweiter Eintrag über 25 µg/l\nKommentar zwei\n",
     .colour = kYellow},
    {.name = "TwoEntriesWithinLessThan",
     .document = &kTwice,
     .value = u"5",
     .prefix = u"<",
     .output = noteLine(u"5", u"µg/L") + u"Erster Eintrag bis 10 µg/L\nKommentar eins\n" +
               noteLine(u"5", u"µg/L") + u"Zweiter Eintrag bis 25 µg/l\nKommentar zwei\n",
     .colour = kLime},
    {.name = "ContradictionStopsBeforeSecondEntry",
     .document = &kTwice,
     .value = u"15",
     .prefix = u"<",
     .output = warningLine(u"15", u"µg/L")},

    // Placeholders
    {.name = "UnitBringsInLimitPlaceholder",
     .document = &kPlaceholderChain,
     .value = u"5",
     .unit = u"KBE/100mL",
     .parameter = u"Keime",
     .output = u"Grenzwert KBE/20\nKeimes gezählt\n",
     .colour = kLime},
    {.name = "ParameterBringsInUnitPlaceholder",
     .document = &kPlaceholderChain,
     .value = u"15",
     .unit = u"KBE/100mL",
     .parameter = u"Koloniezahl UNIT",
     .output = u"Koloniezahl KBE/1mL: 15KBE/100mL, 20s erlaubt\nparam, Mcl und Unit bleiben\n",
     .colour = kLime},
    {.name = "EmptyTextsWithin",
     .document = &kPlaceholderChain,
     .value = u"0",
     .unit = u"KBE/100mL",
     .parameter = u"Enterokokken",
     .output = u"\n\n",
     .colour = kLime},
    {.name = "EmptyTextsExceeded",
     .document = &kPlaceholderChain,
     .value = u"1",
     .unit = u"KBE/100mL",
     .parameter = u"Enterokokken",
     .output = u"\n\n",
     .colour = kYellow},
    {.name = "EmptyUnitField",
     .document = &kGaps,
     .value = u"15",
     .parameter = u"LeereEinheit",
     .output = u"über 10 .\n\n",
     .colour = kYellow},
    {.name = "EmptyIntro",
     .document = &kEmptyIntro,
     .value = u"5",
     .output = u"ok\nsc\n",
     .intro = u"",
     .colour = kLime},

    // Missing fields
    {.name = "MissingIntro",
     .document = &kMissingIntro,
     .value = u"5",
     .intro = kOldIntro,
     .error = kInvalidPath},
    {.name = "MissingLevel1",
     .document = &kGaps,
     .value = u"15",
     .parameter = u"OhneLevel1",
     .error = kInvalidPath},
    {.name = "MissingLevel1NotNeeded",
     .document = &kGaps,
     .value = u"5",
     .parameter = u"OhneLevel1",
     .output = u"ok\nsc\n",
     .colour = kLime},
    {.name = "MissingOKAfterNote",
     .document = &kGaps,
     .value = u"5",
     .prefix = u"<",
     .parameter = u"OhneOK",
     .colourBefore = kYellow,
     .output = noteLine(u"5", u"µg/L"),
     .colour = kYellow,
     .error = kInvalidPath},
    {.name = "MissingOKNotNeeded",
     .document = &kGaps,
     .value = u"15",
     .parameter = u"OhneOK",
     .output = u"hoch\nsc\n",
     .colour = kYellow},
    {.name = "MissingComment",
     .document = &kGaps,
     .value = u"5",
     .parameter = u"OhneKommentar",
     .output = u"ok MCL\n",
     .colour = kLime,
     .error = kInvalidPath},
    {.name = "LimitNotANumberAfterEarlierMatch",
     .document = &kGaps,
     .value = u"5",
     .parameter = u"Doppelt",
     .output = u"erster bis 10\nsc\n",
     .colour = kLime,
     .error = kNotConvertible},
    {.name = "EmptyLimit",
     .document = &kGaps,
     .value = u"5",
     .parameter = u"LeererGrenzwert",
     .error = kNotConvertible},
    {.name = "MissingLimitOnLaterEntry",
     .document = &kMissingLimit,
     .value = u"5",
     .output = u"Blei bis 10 Blei/MCL\nsc\n",
     .colour = kLime,
     .error = kInvalidPath},
    {.name = "MissingLimitOnEarlierEntry",
     .document = &kMissingLimit,
     .value = u"5",
     .parameter = u"Zink",
     .error = kInvalidPath},
    {.name = "MissingLimitOnMatch",
     .document = &kMissingLimit,
     .value = u"5",
     .parameter = u"Kupfer",
     .error = kInvalidPath},
    {.name = "MissingUnitOnLaterEntry",
     .document = &kMissingUnit,
     .value = u"5",
     .output = u"Blei bis 10 Blei/2\nsc\n",
     .colour = kLime,
     .error = kInvalidPath},
    {.name = "MissingParamOnLaterEntry",
     .document = &kMissingParam,
     .value = u"5",
     .output = u"ok\nsc\n",
     .colour = kLime,
     .error = kInvalidPath},
};

class InterpretationRunTest : public testing::TestWithParam<RunCase> {};

TEST_P(InterpretationRunTest, WritesTheExpectedTexts)
{
    const RunCase& run = GetParam();
    TnetJSON document;
    document.Config(u"StringProcessingOptions=3");
    document.Config(u"CodePage=65001");
    document.setBuildDOM(true);
    document.setInputData(run.document->json);
    document.Parse();

    FakeInterpretationView view;
    view.value = run.value;
    view.unit = run.unit;
    view.prefix = run.prefix;
    view.parameter = run.parameter;
    view.intro = kOldIntro;
    view.output = u"HTTP/1.1 200 OK";
    view.outputColour = run.colourBefore;

    std::string error;
    try {
        InterpretationRun(document, run.parameterCount.value_or(run.document->parameterCount), view)
            .run();
    } catch (const Exception& raised) {
        error = raised.message();
    }

    EXPECT_EQ(error, run.error);
    EXPECT_EQ(view.output, run.output);
    EXPECT_EQ(view.intro, run.intro);
    EXPECT_EQ(view.outputColour, run.colour);
    EXPECT_EQ(view.value, run.normalisedValue.value_or(run.value));
    EXPECT_EQ(view.valueWrites, run.normalisedValue ? 1 : 0);
}

INSTANTIATE_TEST_SUITE_P(Runs, InterpretationRunTest, testing::ValuesIn(kRuns),
                         [](const testing::TestParamInfo<RunCase>& info) {
                             return info.param.name;
                         });

} // namespace
