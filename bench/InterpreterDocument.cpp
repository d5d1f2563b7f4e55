#include "bench/InterpreterDocument.h"

#include <array>
#include <stdexcept>
#include <vector>

namespace {

struct Limit {
    std::string_view value;
    std::string_view unit;
};

constexpr std::array<Limit, 4> kLimits{
    {{"10", "µg/L"}, {"0.5", "mg/L"}, {"250", "mg/L"}, {"100", "KBE/100mL"}}};

void appendMember(std::string& out, std::string_view name, std::string_view value, bool last)
{
    out.append("        \"").append(name).append("\": \"").append(value);
    out.append(last ? "\"\n" : "\",\n");
}

void appendEntry(std::string& out, int index, bool matching)
{
    const Limit limit = matching ? kLimits[0] : kLimits[index % kLimits.size()];
    const std::string name =
        matching ? std::string(kMatchingParameter) : "Parameter " + std::to_string(index);
    out.append("    \"").append(std::to_string(index)).append("\": {\n");
    appendMember(out, "Param", name, false);
    appendMember(out, "MCL", limit.value, false);
    appendMember(out, "MCLLevel1",
                 "Der gemessene Wert von CONCENTRATION überschreitet den Grenzwert für PARAM "
                 "von MCL UNIT.\\nBitte wenden Sie sich an Ihr Gesundheitsamt.",
                 false);
    appendMember(out, "MCLOK",
                 "Der gemessene Wert von CONCENTRATION hält den Grenzwert für PARAM von MCL "
                 "UNIT ein.",
                 false);
    appendMember(out, "SpecialComment",
                 "Grundlage ist die Trinkwasserverordnung in der Fassung vom 20. Juni 2023 "
                 "(§ 7, Anlage 2).",
                 false);
    appendMember(out, "Unit", limit.unit, true);
    out.append("    },\n");
}

void appendTail(std::string& out, int entries)
{
    out.append("    \"Params\": ").append(std::to_string(entries + 1)).append(",\n");
    out.append("    \"Introtext\": \"Die folgende Auswertung vergleicht Ihren Messwert mit dem "
               "Grenzwert der Trinkwasserverordnung. Sie ersetzt keine fachliche Beratung.\"\n");
    out.append("}\n");
}

std::vector<bool> matchingPositions(int entries, int matchingEntries)
{
    if (matchingEntries < 0 || matchingEntries > entries) {
        throw std::invalid_argument("more matching entries than entries");
    }
    std::vector<bool> matching(static_cast<std::size_t>(entries) + 1, false);
    for (int k = 0; k < matchingEntries; ++k) {
        const auto position = (2LL * k + 1) * entries / (2LL * matchingEntries) + 1;
        matching[static_cast<std::size_t>(position)] = true;
    }
    return matching;
}

} // namespace

std::string makeInterpreterDocument(int entries, int matchingEntries)
{
    const std::vector<bool> matching = matchingPositions(entries, matchingEntries);
    std::string out = "{\n";
    out.reserve(static_cast<std::size_t>(entries) * 480 + 256);
    for (int i = 1; i <= entries; ++i) {
        appendEntry(out, i, matching[static_cast<std::size_t>(i)]);
    }
    appendTail(out, entries);
    return out;
}

std::string makeInterpreterDocumentOfSize(std::size_t minimumBytes)
{
    std::string out = "{\n";
    std::string tail;
    int entries = 0;
    for (;;) {
        tail.clear();
        appendTail(tail, entries);
        if (out.size() + tail.size() >= minimumBytes) {
            break;
        }
        appendEntry(out, ++entries, false);
    }
    return out + tail;
}
