#pragma once

#include <string>

// One thing the checker found in a published document. Errors make a customer's window
// fail or mislead; warnings are what a customer would see garbled or be told is missing.
enum class Severity { Error, Warning };

struct Finding {
    Severity severity;
    // A short stable name for scripts, e.g. "report-missing".
    std::string kind;
    // The document, relative to the web space, with "/" between folders (UTF-8).
    std::string file;
    // The member of the document, or a bracketed word for the document as a whole.
    std::string member;
    // What is wrong, and what the customer would see (German, UTF-8).
    std::string text;

    bool operator==(const Finding&) const = default;
};
