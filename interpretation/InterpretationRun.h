#pragma once

#include "interpretation/InterpretationView.h"
#include "interpretation/LimitClassification.h"

#include <cstdint>
#include <string>
#include <string_view>

class TnetJSON;

// "Interpretation erstellen": prepares the value, answers the special results, scales
// and classifies against the chosen parameter's limit and composes the output text.
// Errors are raised to the caller.
class InterpretationRun {
public:
    InterpretationRun(TnetJSON& document, int32_t parameterCount, InterpretationView& view);

    void run();

private:
    // Appends the texts of a matching entry; false when its outcome ends the run.
    bool interpretEntry(int32_t index, const std::string& preparedValue);
    Outcome classifyEntry(int32_t index, const std::string& preparedValue);
    void appendField(int32_t index, std::u16string_view field);
    void fillPlaceholders(int32_t index);
    void replaceInOutput(std::u16string_view placeholder, std::u16string_view replacement);
    std::u16string textAt(std::u16string_view path);

    TnetJSON& m_document;
    int32_t m_parameterCount;
    InterpretationView& m_view;
};
