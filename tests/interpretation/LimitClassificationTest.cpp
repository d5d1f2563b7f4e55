#include "interpretation/LimitClassification.h"

#include "components/exceptions/Exception.h"

#include <gtest/gtest.h>
#include <string>
#include <vector>

namespace {

TEST(LimitValue, IsTheLimitNumberTimesAThousandUnrounded)
{
    EXPECT_EQ(limitValue(u"10"), 10000.0);
    EXPECT_EQ(limitValue(u"0"), 0.0);
    EXPECT_EQ(limitValue(u"0.0015"), 0.0015 * 1000.0);
    EXPECT_EQ(limitValue(u"0.0009996"), 0.0009996 * 1000.0);
}

TEST(LimitValue, LimitsGetNoSpecialTreatment)
{
    for (const std::u16string text : {u"n.b.", u"", u"10 ", u"1,5", u"abc"}) {
        try {
            limitValue(text);
            ADD_FAILURE() << testing::PrintToString(text) << " was read";
        } catch (const EConvertError& error) {
            EXPECT_EQ(error.message(),
                      "Could not convert variant of type (String) into type (Double)");
        }
    }
}

TEST(Classification, ComparesAndWeighsTheLessThanPrefix)
{
    struct Case {
        int32_t measured;
        std::u16string limit;
        std::u16string prefix;
        Outcome outcome;
    };
    const std::vector<Case> cases{
        {10000, u"10", u"keins", Outcome::Within},
        {10001, u"10", u"keins", Outcome::Exceeded},
        {10001, u"10", u"<", Outcome::Contradiction},
        {10000, u"10", u"<", Outcome::WithinWithNote},
        {10001, u"10", u">", Outcome::Exceeded},
        {5000, u"10", u">", Outcome::Within},
        {10001, u"10", u"Vorzeichen", Outcome::Exceeded},
        {10001, u"10", u"ca.", Outcome::Exceeded},
        {10001, u"10", u" <", Outcome::Exceeded},
        {10001, u"10", u"<<", Outcome::Exceeded},
        {5000, u"10", u"ca.", Outcome::Within},
        {-3000, u"0", u"keins", Outcome::Within},
        {-3000, u"0", u"<", Outcome::WithinWithNote},
        {1, u"0.0015", u"keins", Outcome::Within},
        {2, u"0.0015", u"keins", Outcome::Exceeded},
        {2, u"0.0015", u"<", Outcome::Contradiction},
        // A rounded limit of 1 would count the value as within.
        {1, u"0.0009996", u"keins", Outcome::Exceeded},
    };
    for (const Case& c : cases) {
        EXPECT_EQ(classify(c.measured, limitValue(c.limit), c.prefix), c.outcome)
            << c.measured << " " << testing::PrintToString(c.limit) << " "
            << testing::PrintToString(c.prefix);
    }
}

} // namespace
