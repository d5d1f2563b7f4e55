#include "retrieval/ParameterCount.h"

#include "components/codepage/CodePage.h"
#include "components/exceptions/Exception.h"

#include <charconv>

int32_t readParameterCount(std::u16string_view text)
{
    const std::string bytes = netcomp::toUtf8(text);
    std::string_view digits = bytes;
    // from_chars takes a "-" but no "+"; a "+" may stand before the digits alone.
    const bool plus = !digits.empty() && digits.front() == '+';
    if (plus) {
        digits.remove_prefix(1);
    }
    int32_t value = 0;
    const auto [end, ec] = std::from_chars(digits.data(), digits.data() + digits.size(), value);
    if (digits.empty() || (plus && digits.front() == '-') || ec != std::errc() ||
        end != digits.data() + digits.size()) {
        throw EConvertError("'" + bytes + "' is not a valid integer value");
    }
    return value;
}
