#pragma once

#include "interpretation/InterpretationView.h"

#include <optional>
#include <string>

// The window's side of an interpretation without a window: the typed inputs, and what
// the run writes into the output and intro areas.
class DryRunView : public InterpretationView {
public:
    DryRunView(std::u16string parameter, std::u16string value, std::u16string unit,
               std::u16string prefix);

    std::u16string valueText() const override { return m_value; }
    void setValueText(std::u16string_view text) override { m_value = text; }
    std::u16string unitText() const override { return m_unit; }
    std::u16string prefixText() const override { return m_prefix; }
    std::u16string parameterText() const override { return m_parameter; }
    void setIntroText(std::u16string_view) override {}

    void setOutputText(std::u16string_view text) override { m_output = text; }
    void appendOutputLine(std::u16string_view text) override;
    std::u16string outputText() const override { return m_output; }
    void setOutputColour(OutputColour colour) override { m_colour = colour; }

    // The colour of the last outcome: lime for within, yellow for exceeded.
    std::optional<OutputColour> colour() const { return m_colour; }

private:
    std::u16string m_parameter;
    std::u16string m_value;
    std::u16string m_unit;
    std::u16string m_prefix;
    std::u16string m_output;
    std::optional<OutputColour> m_colour;
};
