#include "components/cores/json/JsonParser.h"
#include "components/cores/json/JsonPath.h"
#include "tests/components/json/JsonTestSupport.h"

#include <gtest/gtest.h>
#include <ostream>
#include <string>

using netcomp::json::JsonDocument;
using netcomp::json::JsonParser;

namespace {

struct StringCase {
    int options;
    int codePage;
    const char* json; // one string token
    std::string text; // the bytes the value keeps
};

void PrintTo(const StringCase& c, std::ostream* out)
{
    *out << "options " << c.options << ", code page " << c.codePage << ", " << c.json;
}

class JsonStringTest : public testing::TestWithParam<StringCase> {};

TEST_P(JsonStringTest, ValueAndMemberNameAreProcessed)
{
    const StringCase& c = GetParam();
    JsonParser parser;
    const JsonDocument& doc = parseDocument(parser, std::string("{") + c.json + ":" + c.json + "}",
                                            c.options, c.codePage);
    const auto member = doc.child(doc.root(), 0);
    EXPECT_EQ(doc.text(member), c.text);
    EXPECT_EQ(doc.name(member), c.text);
}

const StringCase kCases[] = {
    {0, 0, R"("a\u00e4\n")", R"("a\u00e4\n")"},
    {1, 0, R"("a\u00e4\n")", R"(a\u00e4\n)"},
    {2, 0, R"("a\u00e4\n")", "\"a\xE4\n\""},
    {3, 0, R"("a\u00e4\n")", "a\xE4\n"},
    {3, 1252, R"("\u00C4")", "\xC4"},
    {3, 65001, R"("a\u00e4\n")", "a\xC3\xA4\n"},
    {3, 0, R"("\u20AC")", "\x80"},
    {3, 65001, R"("\u20ac")", "\xE2\x82\xAC"},
    {3, 0, R"("\u4E2D")", "?"},
    {3, 65001, R"("\uD83D\uDE00")", "\xF0\x9F\x98\x80"},
    {3, 0, R"("\uD83D\uDE00")", "?"},
    {3, 65001, R"("\uD800x")", "\xEF\xBF\xBDx"},
    {3, 0, R"("\uDE00")", "?"},
    {3, 0, R"("\"\\\/\b\f\r\t")", "\"\\/\b\f\r\t"},
    {3, 0, R"("\u0041\u0062")", "Ab"},
    {3, 0, "\"M\xFC\x6C\x6C\"", "M\xFCll"},
    {3, 65001, "\"\xC3\xA4\"", "\xC3\xA4"},
    {2, 0, R"("plain")", R"("plain")"},
    {3, 0, R"("")", ""},
    {0, 0, R"("")", R"("")"},
};

INSTANTIATE_TEST_SUITE_P(Escapes, JsonStringTest, testing::ValuesIn(kCases));

TEST(JsonStringTest, DecodedNameIsFoundByPath)
{
    JsonParser parser;
    const JsonDocument& doc = parseDocument(parser, R"({"Gr\u00f6\u00dfe":"5 \u00b5g/L"})");
    const auto node = netcomp::json::selectPath(doc, std::nullopt,
                                                "/json/GR\xF6\xDF"
                                                "E");
    ASSERT_TRUE(node);
    EXPECT_EQ(doc.text(*node), "5 \xB5g/L");
}

TEST(JsonStringTest, RawInputStaysIntact)
{
    JsonParser parser;
    const std::string text = R"({"a":"x\ty","b":["\u00e4"]})";
    const JsonDocument& doc = parseDocument(parser, text);
    EXPECT_EQ(doc.text(doc.child(doc.root(), 0)), "x\ty");
    EXPECT_EQ(doc.text(doc.root()), text);
    EXPECT_EQ(doc.text(doc.child(doc.root(), 1)), R"(["\u00e4"])");
    EXPECT_EQ(parser.input(), text);
}

} // namespace
