#include "WindowService.h"

#include "CodePage.h"
#include "ServiceAddresses.h"
#include "TextConversion.h"

using namespace Qt::StringLiterals;
using quorvi::test::TestRoute;

WindowService::WindowService()
{
    m_server.addRoute("/", TestRoute{});
}

std::u16string WindowService::baseUrl() const
{
    const std::string base = m_server.baseUrl();
    return std::u16string(base.begin(), base.end());
}

std::string WindowService::target(const std::u16string& address) const
{
    return "/" + netcomp::toUtf8(address).substr(m_server.baseUrl().size());
}

void WindowService::addSample(const QString& code, const QString& name, const QString& type,
                              bool withReport)
{
    const QString document = u"{\"CustomerName\": \"Familie Weiß\", \"SampleName\": \""_s + name +
                             u"\", \"SampleType\": \""_s + type + u"\"}"_s;
    addSampleRoute(code, TestRoute{}
                             .withContentType("application/json")
                             .withBody(netcomp::toAnsi(toU16String(document))));
    if (withReport) {
        m_server.addRoute(target(service::reportAddress(baseUrl(), toU16String(code))),
                          TestRoute{}.withContentType("application/pdf"));
    }
}

void WindowService::addSampleRoute(const QString& code, TestRoute route)
{
    m_server.addRoute(target(service::sampleDocumentAddress(baseUrl(), toU16String(code))),
                      std::move(route));
}

void WindowService::addInterpreter(const QString& type, std::string document)
{
    addInterpreterRoute(type, TestRoute{}
                                  .withContentType("application/json; charset=utf-8")
                                  .withBody(std::move(document)));
}

void WindowService::addInterpreterRoute(const QString& type, TestRoute route)
{
    m_server.addRoute(target(service::interpreterAddress(baseUrl(), toU16String(type))),
                      std::move(route));
}
