#include "SampleLoader.h"

#include "CodePage.h"
#include "EntryPath.h"
#include "ParameterCount.h"
#include "ServiceAddresses.h"
#include "ShownText.h"
#include "TnetHTTP.h"
#include "TnetJSON.h"
#include "TnetREST.h"

namespace {

constexpr std::u16string_view kSampleDocumentFailed =
    u"Fehler: Die angegebene Probe wurde nicht ordnungsmäßig aktiviert, der Abruf der Daten "
    u"ist gescheitert.";
constexpr std::u16string_view kReportMissing =
    u"Fehler: Die Probenaktivierung existiert, jedoch liegt kein Prüfbericht auf dem Server.";
constexpr std::u16string_view kTypeUnsupported =
    u"Ihre Probenart wird derzeit leider nicht unterstützt";

} // namespace

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
    m_net.netJSON1.Config(u"StringProcessingOptions=3");
    m_net.netJSON1.setBuildDOM(true);
    m_net.netREST1.setBuildDOM(true);

    try {
        m_net.netREST1.Get(service::sampleDocumentAddress(m_serviceBaseUrl, m_view.sampleCode()));
        if (overtaken())
            return;
        m_sample.sampleDocumentText = netcomp::toAnsi(m_net.netREST1.TransferredData());
    } catch (...) {
        if (!overtaken())
            m_view.showMessage(kSampleDocumentFailed);
        return;
    }

    m_net.netJSON1.setInputData(netcomp::fromAnsi(m_sample.sampleDocumentText));
    m_net.netJSON1.Parse();
    m_net.netJSON1.setXPath(u"/json/CustomerName");
    m_net.netJSON1.setXPath(u"/json/SampleName");
    const std::u16string sampleName = m_net.netJSON1.XText();

    // From here on the boxes show the new sample: the previous sample's interpreter
    // document must never be interpreted again.
    m_net.netJSON2.Reset();
    m_sample.parameterCount = 0;
    m_view.clearParameters();
    shown = ++m_sample.shownSample;

    m_view.setSampleName(sampleName);
    m_net.netJSON1.setXPath(u"/json/SampleType");
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
        if (!overtaken())
            m_view.showMessage(kReportMissing);
        return;
    }
    shown = m_sample.shownSample;

    m_net.netJSON2.Config(u"StringProcessingOptions=3");
    m_net.netJSON2.Config(u"CodePage=65001");
    m_net.netJSON2.setBuildDOM(true);
    m_net.netREST2.Config(u"CodePage=65001");
    m_net.netREST2.setBuildDOM(true);

    try {
        m_net.netREST2.Get(service::interpreterAddress(m_serviceBaseUrl, m_view.sampleType()));
    } catch (...) {
        if (!overtaken())
            m_view.showMessage(kTypeUnsupported);
        return;
    }
    if (overtaken())
        return;

    m_sample.interpreterDocumentText = netcomp::toAnsi(m_net.netREST2.TransferredData());
    m_net.netJSON2.setInputData(netcomp::fromAnsi(m_sample.interpreterDocumentText));
    m_net.netJSON2.Parse();

    m_net.netJSON2.setXPath(u"/json/Params");
    m_sample.parameterCount = readParameterCount(m_net.netJSON2.XText());

    for (int32_t i = 1; i < m_sample.parameterCount; ++i) {
        m_net.netJSON2.setXPath(entryPath(i, u"Param"));
        m_view.appendParameter(m_net.netJSON2.XText());
    }
    m_view.markParametersLoaded();
}
