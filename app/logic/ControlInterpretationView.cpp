#include "app/logic/ControlInterpretationView.h"

#include "app/logic/Control.h"

ControlInterpretationView::ControlInterpretationView(WindowControls& controls)
    : m_controls(controls)
{
}

std::u16string ControlInterpretationView::valueText() const
{
    return m_controls.valueEdit.text();
}

void ControlInterpretationView::setValueText(std::u16string_view text)
{
    m_controls.valueEdit.setText(text);
}

std::u16string ControlInterpretationView::unitText() const
{
    return m_controls.Unit.text();
}

std::u16string ControlInterpretationView::prefixText() const
{
    return m_controls.PrefixComboBox.text();
}

std::u16string ControlInterpretationView::parameterText() const
{
    return m_controls.ParameterComboBox.text();
}

void ControlInterpretationView::setIntroText(std::u16string_view text)
{
    m_controls.disclaimer.setText(text);
}

void ControlInterpretationView::setOutputText(std::u16string_view text)
{
    m_controls.interpretation.setText(text);
}

void ControlInterpretationView::appendOutputLine(std::u16string_view text)
{
    m_controls.interpretation.appendLine(text);
}

std::u16string ControlInterpretationView::outputText() const
{
    return m_controls.interpretation.text();
}

void ControlInterpretationView::setOutputColour(OutputColour colour)
{
    m_controls.interpretation.setBackground(colour == OutputColour::Yellow ? colours::kYellow
                                                                           : colours::kLime);
}
