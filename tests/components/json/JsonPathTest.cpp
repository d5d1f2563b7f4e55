#include "components/cores/json/JsonPath.h"

#include "components/cores/json/JsonParser.h"
#include "tests/components/json/JsonTestSupport.h"

#include <gtest/gtest.h>
#include <optional>
#include <ostream>
#include <string>

using netcomp::json::JsonDocument;
using netcomp::json::JsonParser;
using netcomp::json::selectPath;

namespace {

constexpr std::string_view kDocument =
    R"({"Intro":"Hallo","Params":[{"Param":"pH","Limit":"6.5"},)"
    R"({"Param":"Nitrat","Limit":50,"Note":null},{"Param":"Blei","Limit":0.01}],)"
    R"("Entry":1,"Entry":2,"Entry":true,"Empty":{},"List":[]})";

constexpr std::string_view kParams =
    R"([{"Param":"pH","Limit":"6.5"},{"Param":"Nitrat","Limit":50,"Note":null},)"
    R"({"Param":"Blei","Limit":0.01}])";

struct PathCase {
    int options;
    const char* current; // a path that sets the current element first; null: none
    const char* path;
    std::optional<std::string_view> text; // of the node selected; none: selects nothing
};

void PrintTo(const PathCase& c, std::ostream* out)
{
    *out << "options " << c.options << ", current " << (c.current ? c.current : "(none)")
         << ", path \"" << c.path << '"';
}

class JsonPathTest : public testing::TestWithParam<PathCase> {};

TEST_P(JsonPathTest, SelectsNode)
{
    const PathCase& c = GetParam();
    JsonParser parser;
    const JsonDocument& doc = parseDocument(parser, kDocument, c.options);
    std::optional<JsonDocument::NodeId> current;
    if (c.current) {
        current = selectPath(doc, std::nullopt, c.current);
        ASSERT_TRUE(current) << c.current;
    }
    const auto node = selectPath(doc, current, c.path);
    if (!c.text) {
        EXPECT_FALSE(node) << "selected " << doc.text(*node);
        return;
    }
    ASSERT_TRUE(node);
    EXPECT_EQ(doc.text(*node), *c.text);
}

const PathCase kAbsolute[] = {
    {3, nullptr, "/json/Intro", "Hallo"},
    {3, nullptr, "/JSON/iNTRO", "Hallo"},
    {3, nullptr, "/json", kDocument},
    {3, nullptr, "/json/", kDocument},
    {3, nullptr, "//json///Intro/", "Hallo"},
    {3, nullptr, "/json/Params", kParams},
    {3, nullptr, "/json/Params/[2]/Param", "Nitrat"},
    {3, nullptr, "/json/[1]", "Hallo"},
    {3, nullptr, "/json/[2]/[1]/Param", "pH"},
    {3, nullptr, "/json/[2]", kParams},
    {3, nullptr, "/json/Params/[1]/Limit", "6.5"},
    {3, nullptr, "/json/Params/[2]/Limit", "50"},
    {3, nullptr, "/json/Params/[2]/Note", "null"},
    {3, nullptr, "/json/Params/[3]/Limit", "0.01"},
    {3, nullptr, "/json/Params/[last()]/Param", "Blei"},
    {3, nullptr, "/json/Params/[last()-1]/Param", "Nitrat"},
    {3, nullptr, "/json/Params/[last()-2]/Param", "pH"},
    {3, nullptr, "/json/Params/[last()-3]", std::nullopt},
    {3, nullptr, "/json/Params/[0]", std::nullopt},
    {3, nullptr, "/json/Params/[4]", std::nullopt},
    {3, nullptr, "/json/Params/[99999999999999999999999]", std::nullopt},
    {3, nullptr, "/json/Entry", "1"},
    {3, nullptr, "/json/Entry[1]", "1"},
    {3, nullptr, "/json/Entry[2]", "2"},
    {3, nullptr, "/json/entry[last()]", "true"},
    {3, nullptr, "/json/ENTRY[last()-1]", "2"},
    {3, nullptr, "/json/Entry[last()-3]", std::nullopt},
    {3, nullptr, "/json/Entry[4]", std::nullopt},
    {3, nullptr, "/json/Entry[0]", std::nullopt},
    {3, nullptr, "/json/Params[1]", kParams},
    {3, nullptr, "/json/*", "Hallo"},
    {3, nullptr, "/json/*[3]", "1"},
    {3, nullptr, "/json/*[last()]", "[]"},
    {3, nullptr, "/json/Params/*/Param", "pH"},
    {3, nullptr, "/*/Intro", "Hallo"},
    {3, nullptr, "/json/Params/./[1]/Param", "pH"},
    {3, nullptr, "/json/Params/[1]/..", kParams},
    {3, nullptr, "/json/Params/[1]/../../Intro", "Hallo"},
    {3, nullptr, "/json/Empty", "{}"},
    {3, nullptr, "/json/Empty/[1]", std::nullopt},
    {3, nullptr, "/json/Empty/*", std::nullopt},
    {3, nullptr, "/json/List", "[]"},
    {3, nullptr, "/json/..", std::nullopt},
    {3, nullptr, "/Intro", std::nullopt},
    {3, nullptr, "/json/Missing", std::nullopt},
    {3, nullptr, "/json/Intro/Hallo", std::nullopt},
    {3, nullptr, "/json/Params/Param", std::nullopt},
    {3, nullptr, "/", std::nullopt},
    {3, nullptr, "", std::nullopt},
    {3, nullptr, "/json/Params[", std::nullopt},
    {3, nullptr, "/json/Params[1", std::nullopt},
    {3, nullptr, "/json/Params[x]", std::nullopt},
    {3, nullptr, "/json/Params[]", std::nullopt},
    {3, nullptr, "/json/Params]", std::nullopt},
    {3, nullptr, "/json/Params/[-1]", std::nullopt},
    {3, nullptr, "/json/Params/[last()+1]", std::nullopt},
    {3, nullptr, "/json/Params/[last()-]", std::nullopt},
    {3, nullptr, "/json/Params/[1]x", std::nullopt},
};

const PathCase kRelative[] = {
    {3, nullptr, "json/Intro", "Hallo"},
    {3, "/json/Params", "[2]/Param", "Nitrat"},
    {3, "/json/Params", "[last()]/Limit", "0.01"},
    {3, "/json/Params/[3]", "Limit", "0.01"},
    {3, "/json/Params/[3]", "../[1]/Param", "pH"},
    {3, "/json/Params/[3]", "../../Intro", "Hallo"},
    {3, "/json/Params/[3]", "", R"({"Param":"Blei","Limit":0.01})"},
    {3, "/json/Params/[3]", ".", R"({"Param":"Blei","Limit":0.01})"},
    {3, "/json/Params", "/json/Intro", "Hallo"},
    {3, "/json/Params", "json", std::nullopt},
    {3, "/json/Params", "Param", std::nullopt},
    {3, "/json", "..", std::nullopt},
    {3, "/json", "Intro", "Hallo"},
};

// Option 0 keeps member names and string values as written, quotes included.
const PathCase kOptions[] = {
    {0, nullptr, "/json/Params", std::nullopt},
    {0, nullptr, "/json/params", std::nullopt},
    {0, nullptr, "/json/\"Params\"", kParams},
    {0, nullptr, "/json/\"PARAMS\"/[1]/\"Param\"", "\"pH\""},
    {0, nullptr, "/json/[1]", "\"Hallo\""},
    {0, nullptr, "/json/[2]/[2]/[2]", "50"},
    {1, nullptr, "/json/Params/[1]/Param", "pH"},
    {2, nullptr, "/json/\"Intro\"", "\"Hallo\""},
    {2, nullptr, "/json/Intro", std::nullopt},
};

INSTANTIATE_TEST_SUITE_P(Absolute, JsonPathTest, testing::ValuesIn(kAbsolute));
INSTANTIATE_TEST_SUITE_P(Relative, JsonPathTest, testing::ValuesIn(kRelative));
INSTANTIATE_TEST_SUITE_P(StringOptions, JsonPathTest, testing::ValuesIn(kOptions));

} // namespace
