#include "checker/CheckerCommand.h"

#include "checker/FindingReport.h"
#include "checker/WebSpace.h"
#include "checker/WebSpaceCheck.h"

#include <algorithm>
#include <optional>

namespace {

constexpr const char* kUsage =
    "Aufruf: QuorviCheck [--json] <Webspace-Ordner>\n"
    "Prüft Probendokumente, Prüfberichte und Interpretervorlagen so, wie das Programm sie\n"
    "lädt und interpretiert. Ausgang 0: nichts schlägt fehl; 1: etwas schlägt fehl;\n"
    "2: falscher Aufruf.\n";

// Every this many documents the progress line is renewed.
constexpr size_t kProgressStep = 10;

} // namespace

int runCheckerCommand(const std::vector<std::string>& arguments, std::ostream& out,
                      std::ostream& err)
{
    bool json = false;
    std::vector<std::string> folders;
    for (const auto& argument : arguments) {
        if (argument == "--help" || argument == "-h") {
            out << kUsage;
            return kCheckPassed;
        }
        if (argument == "--json") {
            json = true;
        } else if (argument.starts_with("-")) {
            err << "QuorviCheck: unbekannte Option " << argument << "\n" << kUsage;
            return kCheckBadUsage;
        } else {
            folders.push_back(argument);
        }
    }
    if (folders.size() != 1) {
        err << kUsage;
        return kCheckBadUsage;
    }

    const std::u8string folder(folders.front().begin(), folders.front().end());
    std::optional<WebSpace> webSpace;
    try {
        webSpace.emplace(std::filesystem::path(folder));
    } catch (const std::exception& error) {
        err << "QuorviCheck: " << error.what() << "\n";
        return kCheckBadUsage;
    }

    bool progressShown = false;
    const auto progress = [&](size_t done, size_t total) {
        if (total < kProgressFromDocuments || (done % kProgressStep != 0 && done != total)) {
            return;
        }
        err << "\rQuorviCheck: " << done << " von " << total << " Dokumenten geprüft" << std::flush;
        progressShown = true;
    };
    const auto result = checkWebSpace(*webSpace, progress);
    if (progressShown) {
        err << "\n";
    }

    if (json) {
        writeJsonReport(out, result.findings, result.documents);
    } else {
        writeTextReport(out, result.findings, result.documents);
    }
    const bool failed = std::any_of(result.findings.begin(), result.findings.end(),
                                    [](const Finding& f) { return f.severity == Severity::Error; });
    return failed ? kCheckFailed : kCheckPassed;
}
