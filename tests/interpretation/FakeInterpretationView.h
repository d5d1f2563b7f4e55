#pragma once

#include "interpretation/InterpretationView.h"

#include <optional>
#include <string>

// Holds the window's texts in plain members; lines end with "\n".
class FakeInterpretationView : public InterpretationView {
public:
    std::u16string valueText() const override { return value; }
    void setValueText(std::u16string_view text) override
    {
        value = text;
        ++valueWrites;
    }
    std::u16string unitText() const override { return unit; }
    std::u16string prefixText() const override { return prefix; }
    std::u16string parameterText() const override { return parameter; }
    void setIntroText(std::u16string_view text) override { intro = text; }

    void setOutputText(std::u16string_view text) override { output = text; }
    void appendOutputLine(std::u16string_view text) override { output.append(text).append(u"\n"); }
    std::u16string outputText() const override { return output; }
    void setOutputColour(OutputColour colour) override { outputColour = colour; }

    std::u16string value;
    int valueWrites = 0;
    std::u16string unit;
    std::u16string prefix;
    std::u16string parameter;
    std::u16string intro;
    std::u16string output;
    std::optional<OutputColour> outputColour;
};
