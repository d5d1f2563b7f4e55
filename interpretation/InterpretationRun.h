#pragma once

#include "InterpretationView.h"

#include <cstdint>

class TnetJSON;

// "Interpretation erstellen": prepares the value, answers the special results, scales
// and classifies against the chosen parameter's limit and composes the output text.
// Errors are raised to the caller.
class InterpretationRun {
public:
    InterpretationRun(TnetJSON& document, int32_t parameterCount, InterpretationView& view);

    void run();

private:
    TnetJSON& m_document;
    int32_t m_parameterCount;
    InterpretationView& m_view;
};
