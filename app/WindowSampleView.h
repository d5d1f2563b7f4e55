#pragma once

#include "SampleView.h"

#include <QPointer>

class MessagePresenter;
class TQuorviInterpreter;

// Sample loading's access to the main window. Transfers keep the event loop running, so
// the window is checked before every access.
class WindowSampleView : public SampleView {
public:
    WindowSampleView(TQuorviInterpreter& window, MessagePresenter& messages);

    std::u16string sampleCode() const override;
    std::u16string sampleType() const override;
    void setSampleName(std::u16string_view name) override;
    void setSampleType(std::u16string_view type) override;
    void setInterpretationText(std::u16string_view text) override;
    void clearParameters() override;
    void appendParameter(std::u16string_view name) override;
    void markParametersLoaded() override;
    void showMessage(std::u16string_view text) override;

private:
    QPointer<TQuorviInterpreter> m_window;
    MessagePresenter& m_messages;
};
