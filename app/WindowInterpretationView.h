#pragma once

#include "InterpretationView.h"

class TQuorviInterpreter;

// The interpretation run's access to the main window. The value is written through the
// edit box, so its change reaction runs as for a typed change.
class WindowInterpretationView : public InterpretationView {
public:
    explicit WindowInterpretationView(TQuorviInterpreter& window);

    std::u16string valueText() const override;
    void setValueText(std::u16string_view text) override;
    std::u16string unitText() const override;
    std::u16string prefixText() const override;
    std::u16string parameterText() const override;
    void setIntroText(std::u16string_view text) override;

    void setOutputText(std::u16string_view text) override;
    void appendOutputLine(std::u16string_view text) override;
    std::u16string outputText() const override;
    void setOutputColour(OutputColour colour) override;

private:
    TQuorviInterpreter& m_window;
};
