#include "interpretation/NumberReading.h"

#include "components/exceptions/Exception.h"

#include <algorithm>
#include <charconv>
#include <cstdint>
#include <optional>
#include <string>

namespace {

constexpr const char* kNotConvertible =
    "Could not convert variant of type (String) into type (Double)";
constexpr const char* kOverflow =
    "Overflow while converting variant of type (String) into type (Double)";

bool isDigit(char c)
{
    return c >= '0' && c <= '9';
}

struct NumberShape {
    bool negative = false;
    std::string_view mantissa; // digits and the "." if any
    int64_t exponent = 0;      // saturated far beyond any double exponent
};

std::optional<NumberShape> numberShape(std::string_view text)
{
    NumberShape shape;
    size_t pos = 0;
    if (pos < text.size() && (text[pos] == '+' || text[pos] == '-')) {
        shape.negative = text[pos] == '-';
        ++pos;
    }
    const size_t mantissaStart = pos;
    const auto skipDigits = [&] {
        const size_t start = pos;
        while (pos < text.size() && isDigit(text[pos])) {
            ++pos;
        }
        return pos > start;
    };
    if (!skipDigits()) {
        return std::nullopt;
    }
    if (pos < text.size() && text[pos] == '.') {
        ++pos;
        if (!skipDigits()) {
            return std::nullopt;
        }
    }
    shape.mantissa = text.substr(mantissaStart, pos - mantissaStart);
    if (pos < text.size() && (text[pos] == 'e' || text[pos] == 'E')) {
        ++pos;
        bool negativeExponent = false;
        if (pos < text.size() && (text[pos] == '+' || text[pos] == '-')) {
            negativeExponent = text[pos] == '-';
            ++pos;
        }
        const size_t exponentStart = pos;
        for (; pos < text.size() && isDigit(text[pos]); ++pos) {
            shape.exponent =
                std::min<int64_t>(shape.exponent * 10 + (text[pos] - '0'), 1'000'000'000);
        }
        if (pos == exponentStart) {
            return std::nullopt;
        }
        if (negativeExponent) {
            shape.exponent = -shape.exponent;
        }
    }
    if (pos != text.size()) {
        return std::nullopt;
    }
    return shape;
}

// Decimal position of the leading digit: positive for magnitudes of 1 and more.
int64_t leadingDigitPosition(const NumberShape& shape)
{
    const std::string_view mantissa = shape.mantissa;
    const size_t point = std::min(mantissa.find('.'), mantissa.size());
    const size_t first = mantissa.find_first_not_of("0.");
    if (first < point) {
        return static_cast<int64_t>(point - first) + shape.exponent;
    }
    return -static_cast<int64_t>(first - point - 1) + shape.exponent;
}

} // namespace

double readNumber(std::u16string_view text)
{
    std::string ascii;
    ascii.reserve(text.size());
    for (const char16_t c : text) {
        if (c > 0x7f) {
            throw EConvertError(kNotConvertible);
        }
        ascii.push_back(static_cast<char>(c));
    }
    const std::optional<NumberShape> shape = numberShape(ascii);
    if (!shape) {
        throw EConvertError(kNotConvertible);
    }
    // from_chars takes no "+".
    const char* begin = ascii.data() + (ascii.front() == '+' ? 1 : 0);
    const char* end = ascii.data() + ascii.size();
    double value = 0.0;
    const auto [ptr, error] = std::from_chars(begin, end, value, std::chars_format::general);
    if (error == std::errc::result_out_of_range) {
        if (leadingDigitPosition(*shape) > 0) {
            throw EConvertError(kOverflow);
        }
        return shape->negative ? -0.0 : 0.0;
    }
    if (error != std::errc() || ptr != end) {
        throw EConvertError(kNotConvertible);
    }
    return value;
}
