#include "WindowInterpretationView.h"

#include "BackgroundColour.h"
#include "ComboBox.h"
#include "EditBox.h"
#include "TQuorviInterpreter.h"
#include "TextArea.h"
#include "TextConversion.h"
#include "WorkflowColours.h"

WindowInterpretationView::WindowInterpretationView(TQuorviInterpreter& window) : m_window(window)
{
}

std::u16string WindowInterpretationView::valueText() const
{
    return toU16String(m_window.valueEdit->text());
}

void WindowInterpretationView::setValueText(std::u16string_view text)
{
    m_window.valueEdit->setText(toQString(text));
}

std::u16string WindowInterpretationView::unitText() const
{
    return toU16String(m_window.Unit->text());
}

std::u16string WindowInterpretationView::prefixText() const
{
    return toU16String(m_window.PrefixComboBox->text());
}

std::u16string WindowInterpretationView::parameterText() const
{
    return toU16String(m_window.ParameterComboBox->text());
}

void WindowInterpretationView::setIntroText(std::u16string_view text)
{
    m_window.disclaimer->setText(toQString(text));
}

void WindowInterpretationView::setOutputText(std::u16string_view text)
{
    m_window.interpretation->setText(toQString(text));
}

void WindowInterpretationView::appendOutputLine(std::u16string_view text)
{
    m_window.interpretation->appendLine(toQString(text));
}

std::u16string WindowInterpretationView::outputText() const
{
    return toU16String(m_window.interpretation->text());
}

void WindowInterpretationView::setOutputColour(OutputColour colour)
{
    setBackgroundColour(*m_window.interpretation,
                        colour == OutputColour::Yellow ? colours::yellow : colours::lime);
}
