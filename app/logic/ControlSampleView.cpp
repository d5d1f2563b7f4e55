#include "app/logic/ControlSampleView.h"

#include "app/logic/Control.h"
#include "app/logic/MessagePresenter.h"

ControlSampleView::ControlSampleView(WindowControls& controls, MessagePresenter& messages)
    : m_controls(controls), m_messages(messages)
{
}

std::u16string ControlSampleView::sampleCode() const
{
    return m_controls.SampleCodeEdit.text();
}

std::u16string ControlSampleView::sampleType() const
{
    return m_controls.SampleTypeEdit.text();
}

void ControlSampleView::setSampleName(std::u16string_view name)
{
    m_controls.SampleNameEdit.setText(name);
}

void ControlSampleView::setSampleType(std::u16string_view type)
{
    m_controls.SampleTypeEdit.setText(type);
}

void ControlSampleView::setInterpretationText(std::u16string_view text)
{
    m_controls.interpretation.setText(text);
}

void ControlSampleView::clearParameters()
{
    m_controls.ParameterComboBox.clearItems();
}

void ControlSampleView::appendParameter(std::u16string_view name)
{
    m_controls.ParameterComboBox.appendItem(name);
}

void ControlSampleView::markParametersLoaded()
{
    m_controls.ParameterComboBox.setBackground(colours::kYellow);
    m_controls.ParameterComboBox.setEnabled(true);
}

void ControlSampleView::showMessage(std::u16string_view text)
{
    m_messages.inform(text);
}
