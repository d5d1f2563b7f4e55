#pragma once

#include "retrieval/SampleView.h"

struct WindowControls;
class MessagePresenter;

// Sample loading's access to the window's controls.
class ControlSampleView : public SampleView {
public:
    ControlSampleView(WindowControls& controls, MessagePresenter& messages);

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
    WindowControls& m_controls;
    MessagePresenter& m_messages;
};
