#include "JsonParsing.h"

#include "JsonParser.h"

#include <rapidjson/document.h>
#include <stdexcept>

using netcomp::json::JsonParser;
using netcomp::json::ParseSettings;

std::size_t parseWithEngine(std::string_view text)
{
    JsonParser parser;
    parser.append(text);
    if (!parser.parse(ParseSettings::fromOptions(3, 65001)))
        throw std::runtime_error("engine: incomplete document");
    const auto& doc = *parser.document();
    return doc.childCount(doc.root());
}

std::size_t parseWithRapidJson(std::string_view text)
{
    rapidjson::Document doc;
    doc.Parse(text.data(), text.size());
    if (doc.HasParseError())
        throw std::runtime_error("RapidJSON: parse error");
    return doc.IsObject() ? doc.MemberCount() : doc.Size();
}
