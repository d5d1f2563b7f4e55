#pragma once

#include <string>
#include <string_view>

// What sample loading reads from and writes to the window.
class SampleView {
public:
    virtual ~SampleView() = default;

    virtual std::u16string sampleCode() const = 0;
    virtual std::u16string sampleType() const = 0;
    virtual void setSampleName(std::u16string_view name) = 0;
    virtual void setSampleType(std::u16string_view type) = 0;
    // The whole text of the output area.
    virtual void setInterpretationText(std::u16string_view text) = 0;
    // Drops the list items of the parameter box; its text, colour and enabled state stay.
    virtual void clearParameters() = 0;
    // Appends one item; the text shown in the box does not change.
    virtual void appendParameter(std::u16string_view name) = 0;
    // Last step of a complete load: the parameter box turns yellow, then is enabled.
    virtual void markParametersLoaded() = 0;
    // A modal message box with one OK button and no icon.
    virtual void showMessage(std::u16string_view text) = 0;
};
