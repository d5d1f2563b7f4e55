#include "retrieval/SampleLoader.h"

#include "components/codepage/CodePage.h"
#include "components/codepage/ShownText.h"
#include "components/wrappers/TnetHTTP.h"
#include "components/wrappers/TnetJSON.h"
#include "components/wrappers/TnetREST.h"
#include "retrieval/DocumentMembers.h"
#include "retrieval/DocumentParsers.h"
#include "retrieval/EntryPath.h"
#include "retrieval/LoadMessages.h"
#include "retrieval/ParameterCount.h"
#include "retrieval/ServiceAddresses.h"

SampleLoader::SampleLoader(SampleComponents components, LoadedSample& sample, SampleView& view,
                           std::u16string serviceBaseUrl)
    : m_net(components), m_sample(sample), m_view(view), m_serviceBaseUrl(std::move(serviceBaseUrl))
{
}

void SampleLoader::load()
{
    // While a transfer waits, another load may run inside it. Once that one has shown
    // its sample, a document this load fetched for the sample before belongs to a sample
    // no longer shown: it stops rather than show or list it.
    uint64_t shown = m_sample.shownSample;
    auto overtaken = [&] { return m_sample.shownSample != shown; };

    // A fresh parser for every load, so one bad document spoils only its own load.
    m_net.netJSON1.Reset();
    documents::prepareSampleDocumentParser(m_net.netJSON1);
    m_net.netREST1.setBuildDOM(true);

    try {
        m_net.netREST1.Get(service::sampleDocumentAddress(m_serviceBaseUrl, m_view.sampleCode()));
        if (overtaken()) {
            return;
        }
        m_sample.sampleDocumentText = documents::storedText(m_net.netREST1.TransferredData());
    } catch (...) {
        if (!overtaken()) {
            m_view.showMessage(loadMessages::kSampleDocumentFailed);
        }
        return;
    }

    documents::parseStoredText(m_net.netJSON1, m_sample.sampleDocumentText);
    // Selecting CustomerName only checks that it is there: a document without it is no
    // activated sample, and the failed path ends the load.
    m_net.netJSON1.setXPath(members::kCustomerName);
    m_net.netJSON1.setXPath(members::kSampleName);
    const std::u16string sampleName = m_net.netJSON1.XText();

    // From here on the boxes show the new sample: the previous sample's interpreter
    // document must never be interpreted again.
    m_net.netJSON2.Reset();
    m_sample.parameterCount = 0;
    m_view.clearParameters();
    shown = ++m_sample.shownSample;

    m_view.setSampleName(sampleName);
    m_net.netJSON1.setXPath(members::kSampleType);
    m_view.setSampleType(m_net.netJSON1.XText());

    m_net.netREST1.Reset();
    m_net.netJSON1.Reset();

    // A load pressed while the report is probed meets the busy netHTTP and ends; this one
    // goes on, and reads the sample type from the window again: what it lists belongs to
    // the sample shown.
    try {
        m_net.netHTTP.Head(service::reportAddress(m_serviceBaseUrl, m_view.sampleCode()));
        m_sample.reportStatusLine = netcomp::toAnsi(m_net.netHTTP.StatusLine());
        m_view.setInterpretationText(
            netcomp::fromAnsi(netcomp::shownServerText(m_sample.reportStatusLine)));
    } catch (...) {
        if (!overtaken()) {
            m_view.showMessage(loadMessages::kReportMissing);
        }
        return;
    }
    shown = m_sample.shownSample;

    documents::prepareInterpreterDocumentParser(m_net.netJSON2);
    m_net.netREST2.Config(documents::codePageSetting(documents::kInterpreterDocumentCodePage));
    m_net.netREST2.setBuildDOM(true);

    try {
        m_net.netREST2.Get(service::interpreterAddress(m_serviceBaseUrl, m_view.sampleType()));
    } catch (...) {
        if (!overtaken()) {
            m_view.showMessage(loadMessages::kTypeUnsupported);
        }
        return;
    }
    if (overtaken()) {
        return;
    }

    m_sample.interpreterDocumentText = documents::storedText(m_net.netREST2.TransferredData());
    documents::parseStoredText(m_net.netJSON2, m_sample.interpreterDocumentText);

    m_net.netJSON2.setXPath(members::kParams);
    m_sample.parameterCount = readParameterCount(m_net.netJSON2.XText());

    // Params counts one more than the entries, which come first in the document.
    for (int32_t i = 1; i < m_sample.parameterCount; ++i) {
        m_net.netJSON2.setXPath(entryPath(i, members::kParam));
        m_view.appendParameter(m_net.netJSON2.XText());
    }
    m_view.markParametersLoaded();
}
