#pragma once

#include "retrieval/SampleView.h"

#include <string>
#include <vector>

// Records what sample loading shows, in the state the window would be in.
struct FakeSampleView : SampleView {
    std::u16string code;
    std::u16string name = u"-wird automatisch eingelesen-";
    std::u16string type = u"-wird automatisch eingelesen-";
    std::u16string interpretation;
    std::vector<std::u16string> parameters;
    int timesMarkedLoaded = 0;
    std::vector<std::u16string> messages;

    std::u16string sampleCode() const override { return code; }
    std::u16string sampleType() const override { return type; }
    void setSampleName(std::u16string_view text) override { name = text; }
    void setSampleType(std::u16string_view text) override { type = text; }
    void setInterpretationText(std::u16string_view text) override { interpretation = text; }
    void clearParameters() override { parameters.clear(); }
    void appendParameter(std::u16string_view text) override { parameters.emplace_back(text); }
    void markParametersLoaded() override { ++timesMarkedLoaded; }
    void showMessage(std::u16string_view text) override { messages.emplace_back(text); }
};
