#pragma once

#include "checker/Finding.h"
#include "checker/WebSpace.h"

#include <filesystem>
#include <optional>
#include <vector>

struct SampleDocumentResult {
    std::vector<Finding> findings;
    // The interpreter document the sample's type leads to, when there is one.
    std::optional<std::filesystem::path> interpreterDocument;
};

// Loads a sample document the way "Daten laden" does, from the file: reachable under its
// sample code, read in the ANSI code page, its three members, its report and the
// interpreter document of its type.
SampleDocumentResult checkSampleDocument(const WebSpace& webSpace,
                                         const std::filesystem::path& file);
