#pragma once

#include "interpretation/InterpretationView.h"

struct WindowControls;

// The interpretation run's access to the window's controls. The value is written through
// the edit box, so its change reaction runs as for a typed change.
class ControlInterpretationView : public InterpretationView {
public:
    explicit ControlInterpretationView(WindowControls& controls);

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
    WindowControls& m_controls;
};
