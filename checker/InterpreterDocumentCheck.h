#pragma once

#include "checker/Finding.h"
#include "checker/WebSpace.h"

#include <algorithm>
#include <cstdint>
#include <filesystem>
#include <string>
#include <vector>

// A parameter entry as the interpretation reads it.
struct InterpreterEntry {
    std::string key; // the entry's member name in the document, UTF-8
    std::u16string param;
    std::u16string mcl;
    std::u16string unit;
    bool mclReadable;
};

struct InterpreterDocumentResult {
    std::vector<Finding> findings;
    // The document as the program stores it after its transfer.
    std::string storedText;
    int32_t parameterCount = 0;
    std::vector<InterpreterEntry> entries;

    // No error: every entry can be interpreted, so a dry run says something.
    bool sound() const
    {
        return std::none_of(findings.begin(), findings.end(),
                            [](const Finding& f) { return f.severity == Severity::Error; });
    }
};

// Reads an interpreter document the way loading and interpreting do: UTF-8, valid JSON,
// Params, Introtext, every entry's fields, MCL as a number, texts the ANSI code page
// changes, placeholders in names and units, parameters named twice, limits that look
// written in mg/L.
InterpreterDocumentResult checkInterpreterDocument(const WebSpace& webSpace,
                                                   const std::filesystem::path& file);
