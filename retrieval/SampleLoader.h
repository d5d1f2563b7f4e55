#pragma once

#include "retrieval/LoadedSample.h"
#include "retrieval/SampleComponents.h"
#include "retrieval/SampleView.h"

#include <string>

// "Daten laden": fetches the sample document, probes the report, fetches and parses the
// interpreter document and fills the view. Guarded transfers end in their message;
// every other error is raised to the caller.
class SampleLoader {
public:
    SampleLoader(SampleComponents components, LoadedSample& sample, SampleView& view,
                 std::u16string serviceBaseUrl);

    void load();

private:
    SampleComponents m_net;
    LoadedSample& m_sample;
    SampleView& m_view;
    std::u16string m_serviceBaseUrl;
};
