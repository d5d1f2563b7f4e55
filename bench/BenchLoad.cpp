#include "bench/BenchLoad.h"

#include "bench/BenchServer.h"
#include "components/codepage/CodePage.h"
#include "retrieval/SampleComponents.h"
#include "retrieval/ServiceAddresses.h"

namespace {

std::string targetOf(const std::u16string& address, const std::string& baseUrl)
{
    return "/" + netcomp::toUtf8(address).substr(baseUrl.size());
}

} // namespace

BenchLoad::BenchLoad(const std::u16string& serviceBaseUrl, const std::u16string& sampleCode)
    : m_loader(
          [this] {
              configureSampleComponents({netREST1, netJSON1, netHTTP, netREST2, netJSON2});
              return SampleComponents{netREST1, netJSON1, netHTTP, netREST2, netJSON2};
          }(),
          m_sample, m_view, serviceBaseUrl)
{
    m_view.code = sampleCode;
}

void addSampleRoutes(BenchServer& server, const std::u16string& sampleCode,
                     const std::u16string& sampleType, std::string sampleDocument,
                     std::string interpreterDocument)
{
    const std::string base = server.baseUrl();
    const std::u16string base16 = netcomp::fromUtf8(base);
    server.addRoute(targetOf(service::sampleDocumentAddress(base16, sampleCode), base),
                    "application/json", std::move(sampleDocument));
    server.addRoute(targetOf(service::reportAddress(base16, sampleCode), base), "application/pdf",
                    "%PDF-1.4\n");
    server.addRoute(targetOf(service::interpreterAddress(base16, sampleType), base),
                    "application/json; charset=utf-8", std::move(interpreterDocument));
}
