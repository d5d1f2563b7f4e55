#include "components/codepage/CodePage.h"

#include <gtest/gtest.h>

namespace {

using netcomp::decode;
using netcomp::encode;

TEST(CodePage, Windows1252RoundTripsItsGermanLetters)
{
    const std::u16string text = u"äöüÄÖÜß µ €";
    const std::string bytes = encode(text, netcomp::kCodePageAnsi);
    EXPECT_EQ(bytes, "\xE4\xF6\xFC\xC4\xD6\xDC\xDF \xB5 \x80");
    EXPECT_EQ(decode(bytes, netcomp::kCodePageAnsi), text);
}

TEST(CodePage, Windows1252ReplacesWhatItCannotHold)
{
    EXPECT_EQ(encode(u"a\u2211b\U0001F600c", netcomp::kCodePageAnsi), "a?b?c");
}

TEST(CodePage, Windows1252UndefinedBytesDecodeToTheirControlCodes)
{
    EXPECT_EQ(decode("\x81\x8D\x8F\x90\x9D", 1252), u"\u0081\u008D\u008F\u0090\u009D");
    EXPECT_EQ(encode(u"\u0081", 1252), "\x81");
}

TEST(CodePage, Utf8RoundTripsAllPlanes)
{
    const std::u16string text = u"aä€\U0001F600";
    const std::string bytes = encode(text, netcomp::kCodePageUtf8);
    EXPECT_EQ(bytes, "a\xC3\xA4\xE2\x82\xAC\xF0\x9F\x98\x80");
    EXPECT_EQ(decode(bytes, netcomp::kCodePageUtf8), text);
}

struct InvalidUtf8 {
    std::string bytes;
    std::u16string text;
};

class Utf8Invalid : public testing::TestWithParam<InvalidUtf8> {};

TEST_P(Utf8Invalid, BecomesReplacementCharacters)
{
    EXPECT_EQ(decode(GetParam().bytes, netcomp::kCodePageUtf8), GetParam().text);
}

INSTANTIATE_TEST_SUITE_P(Cases, Utf8Invalid,
                         testing::Values(InvalidUtf8{"a\xFF"
                                                     "b",
                                                     u"a\uFFFDb"},
                                         InvalidUtf8{"\xC3", u"\uFFFD"},           // truncated
                                         InvalidUtf8{"\xC0\xAF", u"\uFFFD\uFFFD"}, // overlong
                                         InvalidUtf8{"\xED\xA0\x80x",
                                                     u"\uFFFDx"}, // encoded surrogate
                                         InvalidUtf8{"\xE2\x82z", u"\uFFFDz"}));

TEST(CodePage, LoneSurrogatesEncodeAsReplacement)
{
    EXPECT_EQ(encode(std::u16string(1, char16_t(0xD800)), netcomp::kCodePageUtf8), "\xEF\xBF\xBD");
    EXPECT_EQ(encode(std::u16string(1, char16_t(0xDC00)), netcomp::kCodePageAnsi), "?");
}

TEST(CodePage, KnowsWhichCodePagesItSupports)
{
    EXPECT_TRUE(netcomp::isSupportedCodePage(0));
    EXPECT_TRUE(netcomp::isSupportedCodePage(1252));
    EXPECT_TRUE(netcomp::isSupportedCodePage(65001));
    EXPECT_FALSE(netcomp::isSupportedCodePage(437));
}

} // namespace
