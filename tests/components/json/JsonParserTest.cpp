#include "components/cores/json/JsonParser.h"

#include "components/cores/common/CoreError.h"
#include "components/cores/json/JsonPath.h"
#include "components/cores/netcomp_api.h"
#include "tests/components/json/JsonTestSupport.h"

#include <gtest/gtest.h>
#include <string>

using netcomp::core::CoreError;
using netcomp::json::JsonDocument;
using netcomp::json::JsonParser;
using netcomp::json::ParseSettings;

namespace {

const ParseSettings kUnquoted = ParseSettings::fromOptions(3, 0);

// Runs parse() and returns the CoreError it raises; fails the test when none comes.
CoreError parseError(JsonParser& parser, const ParseSettings& settings = kUnquoted)
{
    try {
        parser.parse(settings);
    } catch (const CoreError& e) {
        return e;
    }
    ADD_FAILURE() << "no error raised";
    return CoreError(0, "");
}

const std::string kMalformedInputs[] = {R"({"a" 1})",
                                        R"({"a":1,})",
                                        "[1,]",
                                        "[,1]",
                                        "{,}",
                                        "[01]",
                                        "-01",
                                        "[1.]",
                                        "[.5]",
                                        "[-]",
                                        "[+1]",
                                        "[1e]",
                                        R"(["a\x"])",
                                        R"(["a\u12G4"])",
                                        "[\"tab\there\"]",
                                        std::string("[\"a\0b\"]", 7),
                                        std::string("[\0]", 3),
                                        "[tru]",
                                        "[nul]",
                                        R"({"a":1])",
                                        "[1}",
                                        "{1:2}",
                                        "'a'",
                                        "[1 2]",
                                        R"({"a":1 "b":2})",
                                        "[Infinity]",
                                        "[NaN]",
                                        "]",
                                        "{} x",
                                        "[] []",
                                        "1 2",
                                        "truex"};

std::string rootText(const JsonParser& parser)
{
    return std::string(parser.document()->text(parser.document()->root()));
}

} // namespace

TEST(JsonParserTest, BuildsTreeInDocumentOrder)
{
    JsonParser parser;
    const JsonDocument& doc =
        parseDocument(parser, R"( { "a" : [ 1 , "x" ] , "b" : { "c" : null } , "d" : [] } )");
    const auto root = doc.root();
    EXPECT_EQ(doc.name(root), "json");
    EXPECT_EQ(doc.kind(root), JsonDocument::Kind::Object);
    EXPECT_EQ(doc.text(root), R"({ "a" : [ 1 , "x" ] , "b" : { "c" : null } , "d" : [] })");
    ASSERT_EQ(doc.childCount(root), 3u);
    EXPECT_FALSE(doc.parent(root));

    const auto a = doc.child(root, 0);
    EXPECT_EQ(doc.name(a), "a");
    EXPECT_EQ(doc.kind(a), JsonDocument::Kind::Array);
    EXPECT_EQ(doc.text(a), R"([ 1 , "x" ])");
    ASSERT_EQ(doc.childCount(a), 2u);
    EXPECT_EQ(doc.name(doc.child(a, 0)), "");
    EXPECT_EQ(doc.text(doc.child(a, 0)), "1");
    EXPECT_EQ(doc.kind(doc.child(a, 0)), JsonDocument::Kind::Primitive);
    EXPECT_EQ(doc.text(doc.child(a, 1)), "x");
    EXPECT_EQ(doc.kind(doc.child(a, 1)), JsonDocument::Kind::String);
    EXPECT_EQ(doc.parent(doc.child(a, 1)), a);

    const auto b = doc.child(root, 1);
    const auto c = doc.child(b, 0);
    EXPECT_EQ(doc.name(c), "c");
    EXPECT_EQ(doc.text(c), "null");
    EXPECT_EQ(doc.parent(c), b);
    EXPECT_EQ(doc.parent(b), root);

    const auto d = doc.child(root, 2);
    EXPECT_EQ(doc.text(d), "[]");
    EXPECT_EQ(doc.childCount(d), 0u);
    EXPECT_EQ(doc.childCount(c), 0u);
    EXPECT_EQ(parser.valueBegin(), 1u);
    EXPECT_EQ(parser.valueEnd(), parser.input().size() - 1);
}

TEST(JsonParserTest, TopLevelScalarsAreComplete)
{
    struct Case {
        const char* input;
        const char* text;
    };
    const Case cases[] = {{"1", "1"},         {"  -0.5e+3 \n", "-0.5e+3"},
                          {"0", "0"},         {"1E-2", "1E-2"},
                          {R"("s")", "s"},    {"true", "true"},
                          {"false", "false"}, {"null", "null"}};
    for (const Case& c : cases) {
        JsonParser parser;
        const JsonDocument& doc = parseDocument(parser, c.input);
        EXPECT_EQ(doc.size(), 1u) << c.input;
        EXPECT_EQ(doc.text(doc.root()), c.text) << c.input;
    }
}

TEST(JsonParserTest, IncompleteInputWaitsForMore)
{
    const char* cases[] = {"",         "  \n\t\r ", "{",         "[1,", R"({"a")", R"({"a":)",
                           R"(["abc)", R"(["a\)",   R"(["\u00)", "tr",  "[-",      "[1.",
                           "[1e+",     R"({"a":1)", "[[[",       "-",   "fals"};
    for (const char* input : cases) {
        JsonParser parser;
        parser.append(input);
        EXPECT_FALSE(parser.parse(kUnquoted)) << input;
        EXPECT_EQ(parser.document(), nullptr) << input;
        EXPECT_FALSE(parser.complete()) << input;
    }
}

TEST(JsonParserTest, MalformedInputIsRefused)
{
    for (const std::string& input : kMalformedInputs) {
        JsonParser parser;
        parser.append(input);
        const CoreError e = parseError(parser);
        EXPECT_EQ(e.code(), NETCOMP_ERR_JSON_MARKUP) << input;
        EXPECT_EQ(e.text(), "Invalid JSON markup.") << input;
        EXPECT_EQ(parser.document(), nullptr) << input;
    }
}

TEST(JsonParserTest, SecondDocumentWithoutResetIsRefusedAndFirstTreeStays)
{
    JsonParser parser;
    parseDocument(parser, R"({"first":1})");
    const JsonDocument* first = parser.document();
    parser.append(R"( {"second":2})");
    const CoreError e = parseError(parser);
    EXPECT_EQ(e.code(), NETCOMP_ERR_JSON_MARKUP);
    EXPECT_EQ(e.text(), "Invalid JSON markup.");
    ASSERT_EQ(parser.document(), first);
    EXPECT_EQ(rootText(parser), R"({"first":1})");
    EXPECT_EQ(parseError(parser).code(), NETCOMP_ERR_JSON_MARKUP);

    parser.reset();
    EXPECT_EQ(parser.document(), nullptr);
    EXPECT_TRUE(parser.input().empty());
    parseDocument(parser, R"({"second":2})");
    EXPECT_EQ(rootText(parser), R"({"second":2})");
}

TEST(JsonParserTest, WhiteSpaceAfterCompleteValueKeepsTree)
{
    JsonParser parser;
    parseDocument(parser, "[1]");
    const JsonDocument* tree = parser.document();
    parser.append(" \r\n\t");
    EXPECT_TRUE(parser.parse(kUnquoted));
    EXPECT_EQ(parser.document(), tree);
    EXPECT_EQ(rootText(parser), "[1]");
    EXPECT_EQ(parser.input(), "[1] \r\n\t");
}

TEST(JsonParserTest, EmptyInputBuildsNothing)
{
    JsonParser parser;
    EXPECT_FALSE(parser.parse(kUnquoted));
    EXPECT_EQ(parser.document(), nullptr);
    parser.append("");
    EXPECT_FALSE(parser.parse(kUnquoted));
    EXPECT_EQ(parser.document(), nullptr);
}

TEST(JsonParserTest, InputAcrossTwoAppendsParsesAsOne)
{
    JsonParser parser;
    parser.append(R"({"Params":[{"Param":"p)");
    EXPECT_FALSE(parser.parse(kUnquoted));
    parser.append(R"(H"}, 2]})");
    ASSERT_TRUE(parser.parse(kUnquoted));
    const JsonDocument& doc = *parser.document();
    const auto node = netcomp::json::selectPath(doc, std::nullopt, "/json/Params/[1]/Param");
    ASSERT_TRUE(node);
    EXPECT_EQ(doc.text(*node), "pH");
    EXPECT_EQ(doc.text(doc.root()), R"({"Params":[{"Param":"pH"}, 2]})");
}

TEST(JsonParserTest, InputInPiecesBuildsTheTreeOfTheWholeInput)
{
    // Escaped strings go to the side buffer, which each attempt sizes anew.
    const std::string documents[] = {
        R"({"a\u00e4":["x\ty",{"k":"\u20ac"}],"b":[[1,2.5e3],[]],"c":"plain","d":null})",
        R"( [ {"MCLLevel1":"Wert\nBitte","Param":"pH"} , -0.5 , "\"q\"" , true ] )",
        R"("top \u00b5g/L")"};
    const ParseSettings settings = ParseSettings::fromOptions(3, 65001);
    for (const std::string& text : documents) {
        JsonParser whole;
        const JsonDocument& expected = parseDocument(whole, text, 3, 65001);
        const auto expectSameTree = [&](const JsonDocument& doc) {
            ASSERT_EQ(doc.size(), expected.size()) << text;
            for (JsonDocument::NodeId id = 0; id < doc.size(); ++id) {
                EXPECT_EQ(doc.kind(id), expected.kind(id)) << text << ", node " << id;
                EXPECT_EQ(doc.name(id), expected.name(id)) << text << ", node " << id;
                EXPECT_EQ(doc.text(id), expected.text(id)) << text << ", node " << id;
                EXPECT_EQ(doc.parent(id), expected.parent(id)) << text << ", node " << id;
                ASSERT_EQ(doc.childCount(id), expected.childCount(id)) << text << ", node " << id;
                for (uint32_t i = 0; i < doc.childCount(id); ++i) {
                    EXPECT_EQ(doc.child(id, i), expected.child(id, i)) << text << ", node " << id;
                }
            }
        };
        for (const std::size_t piece : {std::size_t{1}, std::size_t{3}, std::size_t{7}}) {
            JsonParser parser;
            bool complete = false;
            for (std::size_t at = 0; at < text.size(); at += piece) {
                std::string bytes = text.substr(at, piece);
                if (at == 0) {
                    parser.appendOwned(std::move(bytes));
                } else {
                    parser.append(bytes);
                }
                complete = parser.parse(settings);
                EXPECT_EQ(complete, parser.document() != nullptr) << text << " at " << at;
            }
            ASSERT_TRUE(complete) << text << ", pieces of " << piece;
            const JsonDocument* doc = parser.document();
            expectSameTree(*doc);

            // White space after the value keeps the tree, though the input may move.
            parser.append(std::string(4096, ' '));
            EXPECT_TRUE(parser.parse(settings));
            ASSERT_EQ(parser.document(), doc);
            expectSameTree(*doc);
        }
    }
}

TEST(JsonParserTest, DiscardedTreeStillRefusesASecondDocument)
{
    JsonParser parser;
    parseDocument(parser, "{}");
    parser.discardDocument();
    EXPECT_EQ(parser.document(), nullptr);
    EXPECT_TRUE(parser.complete());
    parser.append("  ");
    EXPECT_TRUE(parser.parse(kUnquoted));
    EXPECT_EQ(parser.document(), nullptr);
    parser.append("{}");
    EXPECT_EQ(parseError(parser).code(), NETCOMP_ERR_JSON_MARKUP);
}

TEST(JsonParserTest, NestingDepthIsLimited)
{
    struct Case {
        std::size_t depth;
        bool accepted;
    };
    for (const Case c : {Case{512, true}, Case{513, false}}) {
        JsonParser parser;
        parser.append(std::string(c.depth, '[') + std::string(c.depth, ']'));
        if (c.accepted) {
            EXPECT_TRUE(parser.parse(kUnquoted));
            EXPECT_EQ(parser.document()->size(), c.depth);
        } else {
            EXPECT_EQ(parseError(parser).code(), NETCOMP_ERR_JSON_DEPTH);
        }
    }
}

TEST(JsonParserTest, MillionOpeningBracketsGiveDepthError)
{
    JsonParser parser;
    parser.append(std::string(1'000'000, '['));
    const CoreError e = parseError(parser);
    EXPECT_EQ(e.code(), NETCOMP_ERR_JSON_DEPTH);
    EXPECT_EQ(e.text(), "JSON nesting too deep (maximum 512 levels).");
    EXPECT_EQ(parser.document(), nullptr);
}

TEST(JsonParserTest, InputAndValuesAboveTheirBoundsAreRefused)
{
    ParseSettings fewValues = kUnquoted;
    fewValues.maxValues = 3;
    const std::string manyValues = "[" + std::string(netcomp::json::kDefaultMaxValues, '1') + "]";
    std::string commas = "[1";
    for (std::size_t i = 1; i < netcomp::json::kDefaultMaxValues; ++i) {
        commas += ",1";
    }
    commas += "]";
    struct BoundCase {
        const char* name;
        std::string input;
        ParseSettings settings;
        const char* error; // nullptr: parses
    };
    const BoundCase cases[] = {
        {"input at the bound", std::string(netcomp::json::kDefaultMaxInputBytes, ' '), kUnquoted,
         nullptr},
        {"input above the bound", std::string(netcomp::json::kDefaultMaxInputBytes + 1, ' '),
         kUnquoted, "JSON input too large (maximum 8388608 bytes)."},
        {"values at the bound", "[1,2]", fewValues, nullptr},
        {"one value more", "[1,2,3]", fewValues, "JSON document too large (maximum 3 values)."},
        {"names are no values", R"({"a":1,"b":2})", fewValues, nullptr},
        {"one number of many digits", manyValues, kUnquoted, nullptr},
        {"the default bound", commas + "", kUnquoted,
         "JSON document too large (maximum 1048576 values)."},
    };
    for (const BoundCase& c : cases) {
        SCOPED_TRACE(c.name);
        JsonParser parser;
        parser.append(c.input);
        if (!c.error) {
            EXPECT_NO_THROW(parser.parse(c.settings));
            continue;
        }
        const CoreError e = parseError(parser, c.settings);
        EXPECT_EQ(e.code(), NETCOMP_ERR_JSON_SIZE);
        EXPECT_EQ(e.text(), c.error);
        EXPECT_EQ(parser.document(), nullptr);
    }
}

// Parsing piece by piece goes on where the last parse stopped; each step must still
// answer as a parse of all input so far at once would. (A number at the top ends with
// the input, so a longer one is complete after its first digit when given piecewise.)
TEST(JsonParserTest, PiecewiseParsingAnswersAsParsingEachPrefixAtOnce)
{
    const auto outcomeOf = [](JsonParser& parser, const ParseSettings& settings) -> std::string {
        try {
            return parser.parse(settings) ? "complete: " + rootText(parser) : "incomplete";
        } catch (const CoreError& e) {
            return std::to_string(e.code()) + " " + e.text();
        }
    };
    std::vector<std::string> documents(std::begin(kMalformedInputs), std::end(kMalformedInputs));
    documents.insert(documents.end(),
                     std::initializer_list<std::string>{
                         R"( {"a\u00e4":["x\ty",{"k":"\u20ac"}],"b":[[1,2.5e-3],[]],"c":null} )",
                         "[0,-0,1E+2,-12.5e3,true,false,null]", "0", "\"top\"  ", "1 x",
                         "[1,2,3,4]", R"({"a":{"b":[]},"c":[{}]})",
                         std::string(600, '[') + std::string(600, ']')});
    ParseSettings fewValues = kUnquoted;
    fewValues.maxValues = 3;
    for (const ParseSettings& settings : {kUnquoted, fewValues}) {
        for (const std::string& text : documents) {
            JsonParser pieces;
            for (std::size_t k = 1; k <= text.size(); ++k) {
                pieces.append(text.substr(k - 1, 1));
                JsonParser prefix;
                prefix.append(text.substr(0, k));
                ASSERT_EQ(outcomeOf(pieces, settings), outcomeOf(prefix, settings))
                    << text << ", first " << k << " bytes, maxValues " << settings.maxValues;
            }
        }
    }
}

TEST(JsonParserTest, LargeDocumentResolvesLastEntry)
{
    constexpr int kEntries = 100'000;
    std::string text = "{";
    for (int i = 1; i <= kEntries; ++i) {
        if (i > 1) {
            text += ',';
        }
        text += R"("Entry":{"Param":"P)" + std::to_string(i) + R"(","Limit":)" + std::to_string(i) +
                "}";
    }
    text += "}";
    JsonParser parser;
    const JsonDocument& doc = parseDocument(parser, text);
    EXPECT_EQ(doc.childCount(doc.root()), static_cast<uint32_t>(kEntries));

    const auto last = netcomp::json::selectPath(doc, std::nullopt, "/json/[100000]/Param");
    ASSERT_TRUE(last);
    EXPECT_EQ(doc.text(*last), "P100000");
    const auto first = netcomp::json::selectPath(doc, std::nullopt, "/json/[1]/Param");
    ASSERT_TRUE(first);
    EXPECT_EQ(doc.text(*first), "P1");
    EXPECT_FALSE(netcomp::json::selectPath(doc, std::nullopt, "/json/[100001]"));
    const auto back = netcomp::json::selectPath(doc, last, "../../[last()-1]/Limit");
    ASSERT_TRUE(back);
    EXPECT_EQ(doc.text(*back), "99999");
}
