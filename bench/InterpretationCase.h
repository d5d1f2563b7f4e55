#pragma once

#include "components/wrappers/TnetJSON.h"
#include "tests/interpretation/FakeInterpretationView.h"

#include <cstdint>
#include <string>

// An interpreter document of some entries, parsed in a TnetJSON as sample loading leaves
// it, and a window state that picks the matching parameter with a value within its
// limit. The constructor checks that a run writes one text block per matching entry.
class InterpretationCase {
public:
    InterpretationCase(int entries, int matchingEntries);
    InterpretationCase(const InterpretationCase&) = delete;
    InterpretationCase& operator=(const InterpretationCase&) = delete;

    // One "Interpretation erstellen" over the parsed document.
    void run();
    // Parses the document again, as a load would.
    void parse();

    std::size_t documentBytes() const { return m_bytes; }

private:
    std::u16string m_text;
    std::size_t m_bytes;
    int32_t m_parameterCount;
    TnetJSON m_json;
    FakeInterpretationView m_view;
};
