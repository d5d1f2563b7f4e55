#include "ResponseBodyParser.h"

#include "CoreError.h"
#include "JsonParser.h"
#include "netcomp_api.h"

#include <algorithm>
#include <expat.h>
#include <memory>
#include <string>

namespace netcomp::rest {

namespace {

std::string lowerCase(std::string_view text)
{
    std::string lower(text);
    std::transform(lower.begin(), lower.end(), lower.begin(),
                   [](char c) { return c >= 'A' && c <= 'Z' ? static_cast<char>(c + 32) : c; });
    return lower;
}

bool onlyWhiteSpace(std::string_view body)
{
    return body.find_first_not_of(" \t\r\n") == std::string_view::npos;
}

void parseJson(std::string_view body, int codePage)
{
    json::JsonParser parser;
    parser.append(body);
    if (!parser.parse(json::ParseSettings::fromOptions(0, codePage)))
        throw core::CoreError(NETCOMP_ERR_JSON_MARKUP, "Invalid JSON markup.");
}

void parseXml(std::string_view body)
{
    const std::unique_ptr<XML_ParserStruct, decltype(&XML_ParserFree)> parser(
        XML_ParserCreate(nullptr), &XML_ParserFree);
    if (!parser)
        throw core::CoreError(NETCOMP_ERR_TRANSPORT, "Out of memory.");
    // Fed in pieces, since expat takes an int length.
    constexpr std::size_t piece = std::size_t{1} << 20;
    bool ok = true;
    for (std::size_t offset = 0; ok && offset < body.size(); offset += piece) {
        const std::string_view part = body.substr(offset, piece);
        ok = XML_Parse(parser.get(), part.data(), static_cast<int>(part.size()),
                       offset + piece >= body.size()) == XML_STATUS_OK;
    }
    if (!ok)
        throw core::CoreError(NETCOMP_ERR_XML_MARKUP,
                              std::string("Invalid XML markup (") +
                                  XML_ErrorString(XML_GetErrorCode(parser.get())) + ", line " +
                                  std::to_string(XML_GetCurrentLineNumber(parser.get())) + ").");
}

} // namespace

void parseResponseBody(std::string_view contentType, std::string_view body, int codePage)
{
    if (onlyWhiteSpace(body))
        return;
    const std::string type = lowerCase(contentType);
    if (type.find("json") != std::string::npos)
        parseJson(body, codePage);
    else if (type.find("xml") != std::string::npos)
        parseXml(body);
}

} // namespace netcomp::rest
