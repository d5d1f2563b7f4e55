#include "interpretation/CommaNormalisation.h"

#include <algorithm>

std::u16string normaliseCommas(std::u16string_view valueText)
{
    std::u16string result(valueText);
    std::replace(result.begin(), result.end(), u',', u'.');
    return result;
}
