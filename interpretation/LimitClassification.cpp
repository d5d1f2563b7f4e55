#include "interpretation/LimitClassification.h"

#include "interpretation/NumberReading.h"

double limitValue(std::u16string_view mclText)
{
    return readNumber(mclText) * 1000.0;
}

Outcome classify(int32_t measured, double limit, std::u16string_view prefixText)
{
    const bool lessThan = prefixText == u"<";
    if (static_cast<double>(measured) > limit) {
        return lessThan ? Outcome::Contradiction : Outcome::Exceeded;
    }
    return lessThan ? Outcome::WithinWithNote : Outcome::Within;
}
