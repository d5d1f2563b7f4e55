#include "bench/LookupCase.h"

#include "bench/ComponentDocument.h"
#include "bench/InterpreterDocument.h"
#include "components/codepage/CodePage.h"
#include "components/cores/json/JsonPath.h"

#include <stdexcept>

using netcomp::json::ParseSettings;

std::string paramPath(int index)
{
    return "/json/[" + std::to_string(index) + "]/Param";
}

std::u16string paramPath16(int index)
{
    return netcomp::fromUtf8(paramPath(index));
}

LookupCase::LookupCase()
{
    const std::string document = makeInterpreterDocument(kEntries);
    m_parser.append(document);
    if (!m_parser.parse(ParseSettings::fromOptions(3, 65001))) {
        throw std::runtime_error("lookup document incomplete");
    }
    parseInterpreterDocument(m_json, netcomp::fromUtf8(document));

    const std::string expected = "Parameter " + std::to_string(kEntries);
    if (lookUpInEngine(paramPath(kEntries)) != expected ||
        lookUpInComponent(paramPath16(kEntries)) != netcomp::fromUtf8(expected)) {
        throw std::runtime_error("lookup of the last entry failed");
    }
}

std::string_view LookupCase::lookUpInEngine(std::string_view path) const
{
    const auto& doc = *m_parser.document();
    const auto node = netcomp::json::selectPath(doc, std::nullopt, path);
    if (!node) {
        throw std::runtime_error("no node at " + std::string(path));
    }
    return doc.text(*node);
}

std::u16string LookupCase::lookUpInComponent(std::u16string_view path)
{
    m_json.setXPath(path);
    return m_json.XText();
}
