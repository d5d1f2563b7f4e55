#include "checker/FindingReport.h"

#include <algorithm>
#include <cstdio>
#include <map>

namespace {

size_t countOf(const std::vector<Finding>& findings, Severity severity)
{
    return static_cast<size_t>(
        std::count_if(findings.begin(), findings.end(),
                      [&](const Finding& f) { return f.severity == severity; }));
}

std::string jsonString(std::string_view text)
{
    std::string out = "\"";
    for (const char c : text) {
        switch (c) {
        case '"':
            out += "\\\"";
            break;
        case '\\':
            out += "\\\\";
            break;
        case '\n':
            out += "\\n";
            break;
        case '\r':
            out += "\\r";
            break;
        case '\t':
            out += "\\t";
            break;
        default:
            if (static_cast<unsigned char>(c) < 0x20) {
                char escape[8];
                std::snprintf(escape, sizeof escape, "\\u%04x", static_cast<unsigned>(c));
                out += escape;
            } else {
                out += c;
            }
        }
    }
    return out + "\"";
}

} // namespace

std::vector<Finding> reportOrder(const std::vector<Finding>& findings)
{
    std::map<std::string, size_t> firstSeen;
    for (const auto& finding : findings) {
        firstSeen.emplace(finding.file, firstSeen.size());
    }
    std::vector<Finding> ordered = findings;
    std::stable_sort(ordered.begin(), ordered.end(), [&](const Finding& a, const Finding& b) {
        const size_t fileA = firstSeen.at(a.file);
        const size_t fileB = firstSeen.at(b.file);
        if (fileA != fileB) {
            return fileA < fileB;
        }
        return a.severity == Severity::Error && b.severity == Severity::Warning;
    });
    return ordered;
}

void writeTextReport(std::ostream& out, const std::vector<Finding>& findings, size_t documents)
{
    for (const auto& f : reportOrder(findings)) {
        out << f.file << ": " << f.member << ": "
            << (f.severity == Severity::Error ? "Fehler" : "Warnung") << ": " << f.text << '\n';
    }
    const size_t errors = countOf(findings, Severity::Error);
    const size_t warnings = countOf(findings, Severity::Warning);
    out << documents << (documents == 1 ? " Dokument" : " Dokumente") << " geprüft: " << errors
        << " Fehler, " << warnings << (warnings == 1 ? " Warnung" : " Warnungen") << ".\n";
}

void writeJsonReport(std::ostream& out, const std::vector<Finding>& findings, size_t documents)
{
    out << "{\n  \"documents\": " << documents
        << ",\n  \"errors\": " << countOf(findings, Severity::Error)
        << ",\n  \"warnings\": " << countOf(findings, Severity::Warning) << ",\n  \"findings\": [";
    const auto ordered = reportOrder(findings);
    for (size_t i = 0; i < ordered.size(); ++i) {
        const auto& f = ordered[i];
        out << (i == 0 ? "\n" : ",\n") << "    {\"severity\": "
            << jsonString(f.severity == Severity::Error ? "error" : "warning")
            << ", \"kind\": " << jsonString(f.kind) << ", \"file\": " << jsonString(f.file)
            << ", \"member\": " << jsonString(f.member) << ", \"text\": " << jsonString(f.text)
            << "}";
    }
    out << (ordered.empty() ? "]\n}\n" : "\n  ]\n}\n");
}
