#pragma once

#include "components/wrappers/TnetHTTP.h"
#include "components/wrappers/TnetJSON.h"
#include "components/wrappers/TnetREST.h"
#include "retrieval/LoadedSample.h"
#include "retrieval/SampleLoader.h"
#include "tests/retrieval/FakeSampleView.h"

#include <string>
#include <string_view>

class BenchServer;

// A sample load as the window runs it, for the benchmarks: the window's five components
// configured as the window configures them, the loader over them, and a view without a
// window that holds the sample code.
class BenchLoad {
public:
    BenchLoad(const std::u16string& serviceBaseUrl, const std::u16string& sampleCode);
    BenchLoad(const BenchLoad&) = delete;
    BenchLoad& operator=(const BenchLoad&) = delete;

    void load() { m_loader.load(); }
    const FakeSampleView& view() const { return m_view; }

    TnetJSON netJSON1;
    TnetREST netREST1;
    TnetREST netREST2;
    TnetJSON netJSON2;
    TnetHTTP netHTTP;

private:
    LoadedSample m_sample;
    FakeSampleView m_view;
    SampleLoader m_loader;
};

// Serves one sample's documents where a load asks for them: the sample document, the
// report (a stub PDF) and the interpreter document of its type.
void addSampleRoutes(BenchServer& server, const std::u16string& sampleCode,
                     const std::u16string& sampleType, std::string sampleDocument,
                     std::string interpreterDocument);
