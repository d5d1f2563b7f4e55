#include "WindowSampleView.h"

#include "BackgroundColour.h"
#include "ComboBox.h"
#include "EditBox.h"
#include "MessagePresenter.h"
#include "TQuorviInterpreter.h"
#include "TextArea.h"
#include "TextConversion.h"
#include "WorkflowColours.h"

WindowSampleView::WindowSampleView(TQuorviInterpreter& window, MessagePresenter& messages)
    : m_window(&window), m_messages(messages)
{
}

std::u16string WindowSampleView::sampleCode() const
{
    return m_window ? toU16String(m_window->SampleCodeEdit->text()) : std::u16string();
}

std::u16string WindowSampleView::sampleType() const
{
    return m_window ? toU16String(m_window->SampleTypeEdit->text()) : std::u16string();
}

void WindowSampleView::setSampleName(std::u16string_view name)
{
    if (m_window) {
        m_window->SampleNameEdit->setText(toQString(name));
    }
}

void WindowSampleView::setSampleType(std::u16string_view type)
{
    if (m_window) {
        m_window->SampleTypeEdit->setText(toQString(type));
    }
}

void WindowSampleView::setInterpretationText(std::u16string_view text)
{
    if (m_window) {
        m_window->interpretation->setText(toQString(text));
    }
}

void WindowSampleView::clearParameters()
{
    if (m_window) {
        m_window->ParameterComboBox->clearItems();
    }
}

void WindowSampleView::appendParameter(std::u16string_view name)
{
    if (m_window) {
        m_window->ParameterComboBox->appendItem(toQString(name));
    }
}

void WindowSampleView::markParametersLoaded()
{
    if (m_window) {
        setBackgroundColour(*m_window->ParameterComboBox, colours::yellow);
        m_window->ParameterComboBox->setEnabled(true);
    }
}

void WindowSampleView::showMessage(std::u16string_view text)
{
    m_messages.inform(toQString(text));
}
