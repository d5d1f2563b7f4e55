#pragma once

#include "components/cores/json/JsonParser.h"

#include <stdexcept>
#include <string_view>

// Parses one complete document; a test that gets no tree fails right here.
inline const netcomp::json::JsonDocument& parseDocument(netcomp::json::JsonParser& parser,
                                                        std::string_view text, int options = 3,
                                                        int codePage = 0)
{
    parser.append(text);
    if (!parser.parse(netcomp::json::ParseSettings::fromOptions(options, codePage))) {
        throw std::runtime_error("incomplete test document");
    }
    return *parser.document();
}
