#include "bench/JsonParsing.h"

#include "components/cores/json/JsonParser.h"

#include <limits>
#include <rapidjson/document.h>
#include <stdexcept>

using netcomp::json::JsonParser;
using netcomp::json::ParseSettings;

ParseSettings unboundedSettings()
{
    ParseSettings settings = ParseSettings::fromOptions(3, 65001);
    settings.maxInputBytes = std::numeric_limits<std::size_t>::max();
    settings.maxValues = std::numeric_limits<std::size_t>::max();
    return settings;
}

std::size_t parseWithEngine(std::string_view text)
{
    JsonParser parser;
    parser.append(text);
    if (!parser.parse(unboundedSettings())) {
        throw std::runtime_error("engine: incomplete document");
    }
    const auto& doc = *parser.document();
    return doc.childCount(doc.root());
}

std::size_t parseWithRapidJson(std::string_view text)
{
    rapidjson::Document doc;
    doc.Parse(text.data(), text.size());
    if (doc.HasParseError()) {
        throw std::runtime_error("RapidJSON: parse error");
    }
    return doc.IsObject() ? doc.MemberCount() : doc.Size();
}
