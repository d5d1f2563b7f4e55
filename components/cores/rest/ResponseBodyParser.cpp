#include "components/cores/rest/ResponseBodyParser.h"

#include "components/cores/common/CoreError.h"
#include "components/cores/json/JsonParser.h"
#include "components/cores/netcomp_api.h"
#include "components/cores/rest/XmlCheck.h"

#include <algorithm>
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
    if (!parser.parse(json::ParseSettings::fromOptions(0, codePage))) {
        throw core::failure(NETCOMP_ERR_JSON_MARKUP);
    }
}

} // namespace

void parseResponseBody(std::string_view contentType, std::string_view body, int codePage)
{
    if (onlyWhiteSpace(body)) {
        return;
    }
    const std::string type = lowerCase(contentType);
    if (type.find("json") != std::string::npos) {
        parseJson(body, codePage);
    } else if (type.find("xml") != std::string::npos) {
        checkXml(body);
    }
}

} // namespace netcomp::rest
