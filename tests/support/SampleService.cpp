#include "tests/support/SampleService.h"

#include "components/codepage/CodePage.h"
#include "retrieval/ServiceAddresses.h"

using quorvi::test::TestRoute;

SampleService::SampleService()
{
    m_server.addRoute("/", TestRoute{});
}

std::u16string SampleService::baseUrl() const
{
    const std::string base = m_server.baseUrl();
    return std::u16string(base.begin(), base.end());
}

std::string SampleService::target(const std::u16string& address) const
{
    return "/" + netcomp::toUtf8(address).substr(m_server.baseUrl().size());
}

void SampleService::addSample(std::u16string_view code, std::u16string_view name,
                              std::u16string_view type, bool withReport)
{
    const std::u16string document = u"{\"CustomerName\": \"Familie Weiß\", \"SampleName\": \"" +
                                    std::u16string(name) + u"\", \"SampleType\": \"" +
                                    std::u16string(type) + u"\"}";
    addSampleRoute(
        code, TestRoute{}.withContentType("application/json").withBody(netcomp::toAnsi(document)));
    if (withReport) {
        m_server.addRoute(target(service::reportAddress(baseUrl(), code)),
                          TestRoute{}.withContentType("application/pdf"));
    }
}

void SampleService::addSampleRoute(std::u16string_view code, TestRoute route)
{
    m_server.addRoute(target(service::sampleDocumentAddress(baseUrl(), code)), std::move(route));
}

void SampleService::addInterpreter(std::u16string_view type, std::string document)
{
    addInterpreterRoute(type, TestRoute{}
                                  .withContentType("application/json; charset=utf-8")
                                  .withBody(std::move(document)));
}

void SampleService::addInterpreterRoute(std::u16string_view type, TestRoute route)
{
    m_server.addRoute(target(service::interpreterAddress(baseUrl(), type)), std::move(route));
}
