#pragma once

#include <cstdint>
#include <string>

// The state of the loaded sample that outlives a load. The parsed interpreter document
// itself lives in the window's netJSON2.
struct LoadedSample {
    std::string sampleDocumentText;      // 8-bit ANSI text
    std::string reportStatusLine;        // 8-bit ANSI text
    std::string interpreterDocumentText; // 8-bit ANSI text
    int32_t parameterCount = 0;
    // Counts the loads that have shown a sample; a load that finds it changed after a
    // transfer has been overtaken by a nested one and stops.
    uint64_t shownSample = 0;
};
