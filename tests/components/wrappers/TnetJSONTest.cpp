#include "components/wrappers/TnetJSON.h"

#include "components/binding/CoreClass.h"
#include "components/wrappers/ENetCore.h"
#include "tests/components/wrappers/FailureOf.h"

#include <fstream>
#include <gtest/gtest.h>
#if defined(_WIN32)
#include <windows.h>
#endif
#include <sstream>

namespace {

TEST(TnetJSONWrapper, TheCoreIsMappedOnceFromTheProgramItself)
{
#if !defined(_WIN32)
    ASSERT_TRUE(netcomp::binding::hasElfSignature(netcomp::binding::jsonCoreImage()));
#endif
    for (int i = 0; i < 1000; ++i) {
        TnetJSON json;
        json.setOverwrite(i % 2 == 0);
    }
    EXPECT_EQ(netcomp::binding::jsonCoreClass().mappings(), 1);

#if defined(_WIN32)
    // Built into the program: no library file is loaded for it.
    EXPECT_EQ(GetModuleHandleW(L"netcomp16.dll"), nullptr);
#else
    std::ifstream maps("/proc/self/maps");
    std::stringstream content;
    content << maps.rdbuf();
    EXPECT_NE(content.str().find("memfd:libnetcomp_json.so"), std::string::npos)
        << "the core should come from the program's own data, not from a file";
#endif
}

TEST(TnetJSONWrapper, ParsesAndNavigatesInUtf16)
{
    TnetJSON json;
    json.Config(u"StringProcessingOptions=3");
    json.setInputData(u"{\"SampleName\": \"Brunnen Müller\", \"n\": [1, 2.50, true]}");
    json.Parse();
    json.setXPath(u"/json/samplename");
    EXPECT_EQ(json.XText(), u"Brunnen Müller");
    json.setXPath(u"/json/n/[last()]");
    EXPECT_EQ(json.XText(), u"true");
    json.setXPath(u"/json/n/[2]");
    EXPECT_EQ(json.XText(), u"2.50");
}

TEST(TnetJSONWrapper, CodePageDecidesWhatSurvivesTheRoundTrip)
{
    struct Case {
        const char16_t* codePage;
        const char16_t* expected;
    };
    for (const Case& c : {Case{u"CodePage=0", u"? ä"}, Case{u"CodePage=65001", u"∑ ä"}}) {
        TnetJSON json;
        json.Config(u"StringProcessingOptions=3");
        json.Config(c.codePage);
        json.setInputData(u"{\"t\": \"∑ \\u00e4\"}");
        json.Parse();
        json.setXPath(u"/json/t");
        EXPECT_EQ(json.XText(), c.expected);
    }
}

TEST(TnetJSONWrapper, ConfigComparesNamesWithoutCaseAndRefusesUnknownOnes)
{
    TnetJSON json;
    EXPECT_EQ(json.Config(u"stringprocessingoptions=3"), u"3");
    EXPECT_EQ(json.Config(u"StringProcessingOptions"), u"3");
    EXPECT_NE(failureOf([&] { json.Config(u"NoSuchSetting=1"); }).find("206: "), std::string::npos);
}

TEST(TnetJSONWrapper, ErrorsCarryTheirCodesAndTexts)
{
    TnetJSON json;
    EXPECT_EQ(failureOf([&] { json.setXPath(u"/json"); }),
              "10234: DOM tree unavailable (set BuildDOM to TRUE and reparse).");
    json.setInputData(u"{\"a\": 1}");
    json.Parse();
    EXPECT_EQ(failureOf([&] { json.setXPath(u"/json/b"); }), "10233: Invalid XPath.");
    json.setInputData(u"{\"b\": 2}");
    EXPECT_EQ(failureOf([&] { json.Parse(); }), "10232: Invalid JSON markup.");
    // The first tree stays.
    json.setXPath(u"/json/\"a\"");
    EXPECT_EQ(json.XText(), u"1");
    json.Reset();
    json.setInputData(u"{\"b\": 2}");
    EXPECT_NO_THROW(json.Parse());
}

TEST(TnetJSONWrapper, EventsReachTheirHandlersInUtf16)
{
    TnetJSON json;
    json.Config(u"StringProcessingOptions=3");
    std::vector<std::u16string> seen;
    json.OnStartElement = [&](TnetJSON&, const TnetJSONElementEventParams& p) {
        seen.push_back(u"<" + p.element);
    };
    json.OnCharacters = [&](TnetJSON&, const TnetJSONTextEventParams& p) {
        seen.push_back(p.text);
    };
    json.setInputData(u"{\"Größe\": \"groß\"}");
    json.Parse();
    EXPECT_EQ(seen, (std::vector<std::u16string>{u"<json", u"<Größe", u"groß"}));
}

TEST(TnetJSONWrapper, AComponentFreedInItsOwnEventEndsTheParseUntouched)
{
    auto* json = new TnetJSON;
    int startElements = 0;
    json->OnStartElement = [&startElements](TnetJSON& sender, const TnetJSONElementEventParams&) {
        ++startElements;
        delete &sender;
    };
    json->setInputData(u"{\"a\": [1, 2], \"b\": {}}");
    // AddressSanitizer reports any touch of the freed component.
    EXPECT_NO_THROW(json->Parse());
    EXPECT_EQ(startElements, 1);
}

TEST(TnetJSONWrapper, ChildNamesAreAnArrayPropertyWithIndexCheck)
{
    TnetJSON json;
    json.Config(u"StringProcessingOptions=3");
    json.setInputData(u"{\"a\": 1, \"b\": 2}");
    json.Parse();
    json.setXPath(u"/json");
    ASSERT_EQ(json.XChildCount(), 2);
    EXPECT_EQ(json.XChildName(1), u"b");
    EXPECT_EQ(failureOf([&] { json.XChildName(2); }), "204: Invalid array index (XChildIndex).");
}

} // namespace
