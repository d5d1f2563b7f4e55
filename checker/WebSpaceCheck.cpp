#include "checker/WebSpaceCheck.h"

#include "checker/CustomerMessage.h"
#include "checker/DryRun.h"
#include "checker/InterpreterDocumentCheck.h"
#include "checker/SampleDocumentCheck.h"

#include <algorithm>

namespace fs = std::filesystem;

WebSpaceFindings checkWebSpace(const WebSpace& webSpace,
                               const std::function<void(size_t, size_t)>& progress)
{
    const auto samples = webSpace.sampleDocuments();
    const auto interpreters = webSpace.interpreterDocuments();
    WebSpaceFindings result;
    const size_t total = samples.size() + interpreters.size();
    const auto done = [&] {
        ++result.documents;
        if (progress) {
            progress(result.documents, total);
        }
    };
    const auto append = [&](const std::vector<Finding>& findings) {
        result.findings.insert(result.findings.end(), findings.begin(), findings.end());
    };

    std::vector<fs::path> used;
    for (const auto& file : samples) {
        auto sample = checkSampleDocument(webSpace, file);
        append(sample.findings);
        if (sample.interpreterDocument) {
            used.push_back(*sample.interpreterDocument);
        }
        done();
    }

    for (const auto& file : interpreters) {
        const std::string name = webSpace.displayName(file);
        const auto document = checkInterpreterDocument(webSpace, file);
        append(document.findings);
        append(dryRun(name, document));
        const bool isUsed = std::any_of(used.begin(), used.end(), [&](const fs::path& path) {
            std::error_code error;
            return fs::equivalent(path, file, error);
        });
        if (!isUsed) {
            result.findings.push_back({Severity::Warning, "interpreter-unused", name, "(Dokument)",
                                       "keine Probe hat die Probenart " +
                                           inQuotes(file.stem().u16string()) +
                                           "; kein Kunde bekommt diese Vorlage zu sehen"});
        }
        done();
    }
    return result;
}
