#pragma once

#include <string>
#include <string_view>

enum class OutputColour { Yellow, Lime };

// What the interpretation run reads from and writes to the window.
class InterpretationView {
public:
    virtual ~InterpretationView() = default;

    virtual std::u16string valueText() const = 0;
    // Writing a different text raises the value box's change reaction.
    virtual void setValueText(std::u16string_view text) = 0;
    virtual std::u16string unitText() const = 0;
    virtual std::u16string prefixText() const = 0;
    virtual std::u16string parameterText() const = 0;
    virtual void setIntroText(std::u16string_view text) = 0;

    // The output area.
    virtual void setOutputText(std::u16string_view text) = 0;
    virtual void appendOutputLine(std::u16string_view text) = 0;
    virtual std::u16string outputText() const = 0;
    virtual void setOutputColour(OutputColour colour) = 0;
};
