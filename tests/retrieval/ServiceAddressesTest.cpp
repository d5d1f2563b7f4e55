#include "retrieval/ServiceAddresses.h"

#include "components/exceptions/Exception.h"
#include "retrieval/EntryPath.h"
#include "retrieval/ParameterCount.h"
#include "retrieval/PercentEncoding.h"

#include <gtest/gtest.h>

namespace {

const std::u16string kBase = u"https://labor.example/";

TEST(ServiceAddresses, ComposesTheFourAddressesExactly)
{
    EXPECT_EQ(service::sampleDocumentAddress(kBase, u"AB123"),
              u"https://labor.example/Dropbox%20(Veltranik-Sorbeno)/Quorvi//JSON/AB123.json");
    EXPECT_EQ(service::reportAddress(kBase, u"AB123"),
              u"https://labor.example/Dropbox%20(Veltranik-Sorbeno)/Quorvi//reports/AB123.pdf");
    EXPECT_EQ(service::interpreterAddress(kBase, u"Trinkwasser"),
              u"https://labor.example/interpreter/Trinkwasser.json");
}

TEST(ServiceAddresses, EmptySampleCodeStillNamesADocument)
{
    EXPECT_EQ(service::sampleDocumentAddress(kBase, u""),
              u"https://labor.example/Dropbox%20(Veltranik-Sorbeno)/Quorvi//JSON/.json");
}

struct SegmentCase {
    const char16_t* sampleCode;
    const char16_t* encoded;
};

class SampleCodeSegment : public testing::TestWithParam<SegmentCase> {};

TEST_P(SampleCodeSegment, GoesOutAsOneEncodedSegmentOfAnsiBytes)
{
    const auto address = service::sampleDocumentAddress(kBase, GetParam().sampleCode);
    EXPECT_EQ(address, u"https://labor.example/Dropbox%20(Veltranik-Sorbeno)/Quorvi//JSON/" +
                           std::u16string(GetParam().encoded) + u".json");
}

INSTANTIATE_TEST_SUITE_P(Cases, SampleCodeSegment,
                         testing::Values(SegmentCase{u"A-1_b.c~d", u"A-1_b.c~d"},
                                         SegmentCase{u" AB 1 ", u"%20AB%201%20"},
                                         SegmentCase{u"../x/y?z#w%", u"..%2Fx%2Fy%3Fz%23w%25"},
                                         SegmentCase{u"a\r\nb\tc", u"a%0D%0Ab%09c"},
                                         SegmentCase{u"Müll€", u"M%FCll%80"}, // Windows-1252 bytes
                                         SegmentCase{u"Ω", u"%3F"})); // not in the code page: "?"

TEST(ServiceAddresses, SampleTypeIsEncodedAsUtf8)
{
    EXPECT_EQ(service::interpreterAddress(kBase, u"Brunnen Wasser/ä"),
              u"https://labor.example/interpreter/Brunnen%20Wasser%2F%C3%A4.json");
}

TEST(PercentEncoding, LeavesOnlyUnreservedBytes)
{
    EXPECT_EQ(percentEncodePathSegment("AZaz09-._~"), "AZaz09-._~");
    EXPECT_EQ(percentEncodePathSegment(std::string("\x00\x7F\xFF", 3)), "%00%7F%FF");
}

TEST(EntryPath, WritesTheIndexInDecimalWithoutLeadingZeros)
{
    EXPECT_EQ(entryPath(3, u"Param"), u"/json/[3]/Param");
    EXPECT_EQ(entryPath(1, u"SpecialComment"), u"/json/[1]/SpecialComment");
    EXPECT_EQ(entryPath(10, u"MCL"), u"/json/[10]/MCL");
    EXPECT_EQ(entryPath(120, u"Unit"), u"/json/[120]/Unit");
}

TEST(ParameterCount, ReadsDecimalIntegers)
{
    EXPECT_EQ(readParameterCount(u"12"), 12);
    EXPECT_EQ(readParameterCount(u"-3"), -3);
    EXPECT_EQ(readParameterCount(u"+4"), 4);
    EXPECT_EQ(readParameterCount(u"2147483647"), 2147483647);
}

TEST(ParameterCount, RefusesOtherTextsWithTheConversionMessage)
{
    for (const char16_t* text : {u"abc", u"", u"1.5", u"2147483648", u" 5", u"5 ", u"+-1"}) {
        try {
            readParameterCount(text);
            ADD_FAILURE() << "accepted a text that is no integer";
        } catch (const EConvertError& e) {
            std::string expected = "'";
            for (const char16_t* p = text; *p; ++p) {
                expected.push_back(static_cast<char>(*p));
            }
            EXPECT_EQ(e.message(), expected + "' is not a valid integer value");
        }
    }
}

} // namespace
