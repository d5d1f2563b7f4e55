#include "checker/DryRun.h"

#include "checker/CustomerMessage.h"
#include "checker/DryRunView.h"
#include "components/codepage/CodePage.h"
#include "components/wrappers/TnetJSON.h"
#include "interpretation/InputChoices.h"
#include "interpretation/InterpretationRun.h"
#include "interpretation/NumberReading.h"
#include "interpretation/PreparedValue.h"
#include "interpretation/UnitScaling.h"
#include "retrieval/DocumentParsers.h"

#include <optional>
#include <utility>

namespace {

// At most this many inputs are named in one finding.
constexpr size_t kNamedInputs = 3;

// Concentrations in µg/L.
std::optional<double> concentrationFactor(std::u16string_view unit)
{
    if (unit == u"µg/L") {
        return 1.0;
    }
    if (unit == u"mg/L") {
        return 1000.0;
    }
    return std::nullopt;
}

// How many of the input unit make one of the entry's unit, when the two compare.
std::optional<double> intendedRatio(std::u16string_view entryUnit, std::u16string_view inputUnit)
{
    const auto entry = concentrationFactor(entryUnit);
    const auto input = concentrationFactor(inputUnit);
    if (entry && input) {
        return *entry / *input;
    }
    if (entryUnit == inputUnit) {
        return 1.0;
    }
    return std::nullopt;
}

std::string outcomeName(std::optional<OutputColour> colour)
{
    if (!colour) {
        return "keine Bewertung";
    }
    return *colour == OutputColour::Lime ? "eingehalten" : "überschritten";
}

struct Case {
    std::string value; // UTF-8
    std::u16string unit;
    const char* where;
    std::optional<OutputColour> expected;
};

std::string inputName(const Case& c)
{
    return c.value + " " + netcomp::toUtf8(c.unit) + " (" + c.where + ")";
}

std::string inputList(const std::vector<std::string>& inputs)
{
    std::string list;
    for (size_t i = 0; i < inputs.size() && i < kNamedInputs; ++i) {
        list += (i == 0 ? "" : ", ") + inputs[i];
    }
    if (inputs.size() > kNamedInputs) {
        list += " und " + std::to_string(inputs.size() - kNamedInputs) + " weiteren Eingaben";
    }
    return list;
}

std::vector<Case> casesFor(const InterpreterEntry& entry)
{
    const double written = readNumber(entry.mcl);
    std::vector<Case> cases;
    for (const auto unit : kUnitChoices) {
        const auto ratio = intendedRatio(entry.unit, unit);
        const double scale = scaleFactor(unit);
        // Where the customer expects the outcome to turn; for units that do not compare,
        // where the program turns it.
        const double limit = ratio ? written * *ratio : written * 1000.0 / scale;
        const double above = limit + 1.0 / scale;
        const auto expect = [&](OutputColour colour) {
            return ratio ? std::optional(colour) : std::nullopt;
        };
        const std::u16string unitText(unit);
        cases.push_back({"0", unitText, "null", std::nullopt});
        cases.push_back(
            {preparedValueText(limit), unitText, "Grenzwert", expect(OutputColour::Lime)});
        cases.push_back(
            {preparedValueText(above), unitText, "darüber", expect(OutputColour::Yellow)});
    }
    return cases;
}

} // namespace

std::vector<Finding> dryRun(const std::string& file, const InterpreterDocumentResult& document)
{
    std::vector<Finding> findings;
    if (!document.sound()) {
        return findings;
    }
    TnetJSON parser;
    documents::prepareInterpreterDocumentParser(parser);
    documents::parseStoredText(parser, document.storedText);

    for (const auto& entry : document.entries) {
        if (!entry.mclReadable) {
            continue;
        }
        std::vector<std::pair<std::string, std::string>> failures; // input, message
        std::vector<std::string> wrongOutcomes;
        for (const auto& c : casesFor(entry)) {
            DryRunView view(entry.param, netcomp::fromUtf8(c.value), c.unit,
                            std::u16string(kPrefixChoices[0]));
            try {
                InterpretationRun(parser, document.parameterCount, view).run();
            } catch (const std::exception& error) {
                failures.emplace_back(inputName(c), customerMessage(error));
                continue;
            }
            if (c.expected && view.colour() != c.expected) {
                wrongOutcomes.push_back(inputName(c) + " " + inQuotes(outcomeName(view.colour())) +
                                        " statt " + inQuotes(outcomeName(c.expected)));
            }
        }
        if (!failures.empty()) {
            std::string text = "bei " + failures.front().first + " endet die Interpretation mit " +
                               inQuotes(failures.front().second);
            if (failures.size() > 1) {
                text += ", ebenso bei " + std::to_string(failures.size() - 1) +
                        (failures.size() == 2 ? " weiteren Eingabe" : " weiteren Eingaben");
            }
            findings.push_back({Severity::Error, "dry-run-failed", file, entry.key, text});
        }
        if (!wrongOutcomes.empty()) {
            findings.push_back({Severity::Error, "dry-run-outcome", file, entry.key + "/MCL",
                                "die Interpretation zeigt bei " + inputList(wrongOutcomes) +
                                    "; der Grenzwert " + inQuotes(entry.mcl) +
                                    " passt nicht zur Einheit " + inQuotes(entry.unit) +
                                    " des Eintrags (verglichen wird er wie ein Wert in µg/L)"});
        }
    }
    return findings;
}
