// Number reading and the prepared value of the interpretation. The input is UTF-8: the
// value text as typed, then after a line break the unit text. Its first eight bytes are
// also taken as a double for preparedValueText.

#include "components/codepage/CodePage.h"
#include "components/exceptions/Exception.h"
#include "interpretation/CommaNormalisation.h"
#include "interpretation/NumberReading.h"
#include "interpretation/PreparedValue.h"
#include "interpretation/UnitScaling.h"
#include "tests/fuzz/FuzzCheck.h"

#include <cerrno>
#include <cmath>
#include <cstddef>
#include <cstdint>
#include <cstdio>
#include <cstdlib>
#include <cstring>
#include <optional>
#include <string>
#include <string_view>

namespace {

constexpr std::string_view kNotConvertible =
    "Could not convert variant of type (String) into type (Double)";
constexpr std::string_view kOverflow =
    "Overflow while converting variant of type (String) into type (Double)";

// The grammar readNumber takes: sign, digits, optionally "." and digits, optionally an
// exponent with its own sign.
bool isNumberText(std::string_view text)
{
    std::size_t i = 0;
    const auto sign = [&] {
        if (i < text.size() && (text[i] == '+' || text[i] == '-')) {
            ++i;
        }
    };
    const auto digits = [&] {
        const std::size_t start = i;
        while (i < text.size() && text[i] >= '0' && text[i] <= '9') {
            ++i;
        }
        return i > start;
    };
    sign();
    if (!digits()) {
        return false;
    }
    if (i < text.size() && text[i] == '.' && (++i, !digits())) {
        return false;
    }
    if (i < text.size() && (text[i] == 'e' || text[i] == 'E')) {
        ++i;
        sign();
        if (!digits()) {
            return false;
        }
    }
    return i == text.size();
}

struct Reading {
    std::optional<double> value;
    std::string error;
};

Reading read(std::u16string_view text)
{
    try {
        return {readNumber(text), {}};
    } catch (const EConvertError& e) {
        return {std::nullopt, e.message()};
    }
}

// The decimal value of a number text, read by the C library (the "C" locale is in force).
double decimalValue(const std::string& text)
{
    return std::strtod(text.c_str(), nullptr);
}

void checkReading(std::u16string_view text)
{
    const Reading reading = read(text);
    const std::string ascii = netcomp::toUtf8(text);
    if (!isNumberText(ascii)) {
        FUZZ_CHECK(!reading.value && reading.error == kNotConvertible);
        return;
    }
    const double expected = decimalValue(ascii);
    if (std::isinf(expected)) {
        FUZZ_CHECK(!reading.value && reading.error == kOverflow);
        return;
    }
    // Exactly the nearest double; one too small for a double may read as zero.
    FUZZ_CHECK(reading.value);
    FUZZ_CHECK(*reading.value == expected ||
               (*reading.value == 0 && std::fabs(expected) < 2.3e-308));
}

bool isPlainWholeNumber(std::string_view text)
{
    if (text.starts_with('-')) {
        text.remove_prefix(1);
    }
    return !text.empty() && text.find_first_not_of("0123456789") == text.npos;
}

int significantDigits(std::string_view text)
{
    text = text.substr(0, text.find('E'));
    int count = 0;
    bool leading = true;
    std::size_t trailingZeros = 0;
    for (const char c : text) {
        if (c < '0' || c > '9') {
            continue;
        }
        leading = leading && c == '0';
        if (leading) {
            continue;
        }
        ++count;
        trailingZeros = c == '0' ? trailingZeros + 1 : 0;
    }
    // The zeros that fill a whole number up to its point are not significant.
    return count - (text.find('.') == text.npos ? static_cast<int>(trailingZeros) : 0);
}

// What preparedValueText promises for a finite product.
void checkPreparedText(double product)
{
    const std::string text = preparedValueText(product);
    if (std::isinf(product)) {
        FUZZ_CHECK(text == (product < 0 ? "-INF" : "INF"));
        return;
    }
    FUZZ_CHECK(isNumberText(text));
    FUZZ_CHECK(text.find('+') == text.npos && text.find('e') == text.npos);
    FUZZ_CHECK(significantDigits(text) <= 15);

    // The text is the product rounded to 15 significant digits.
    char buffer[40];
    std::snprintf(buffer, sizeof buffer, "%.14e", product);
    const double rounded = decimalValue(buffer);
    // Plain digits exactly for a whole number below 10^15 in magnitude.
    const bool whole =
        std::isfinite(rounded) && std::trunc(rounded) == rounded && std::fabs(rounded) < 1e15;
    FUZZ_CHECK(isPlainWholeNumber(text) == whole);

    // Read back with the program's own number reading it gives that rounded value; next
    // to the largest double the rounding lies beyond the double range, and the reading
    // says so.
    const Reading back = read(std::u16string(text.begin(), text.end()));
    if (std::isinf(rounded)) {
        FUZZ_CHECK(!back.value && back.error == kOverflow);
    } else {
        FUZZ_CHECK(back.value && *back.value == rounded);
    }

    // The measured number: only a plain whole number within 32 bits reads.
    std::optional<int32_t> measured;
    try {
        measured = readMeasuredNumber(text);
    } catch (const EConvertError& e) {
        FUZZ_CHECK(e.message() == "'" + text + "' is not a valid integer value");
    }
    const bool fits = whole && rounded >= INT32_MIN && rounded <= INT32_MAX;
    FUZZ_CHECK(measured.has_value() == fits);
    if (measured) {
        FUZZ_CHECK(*measured == rounded);
    }
}

void checkMeasuredNumber(std::string_view text)
{
    std::optional<int32_t> measured;
    try {
        measured = readMeasuredNumber(text);
    } catch (const EConvertError& e) {
        FUZZ_CHECK(e.message() == "'" + std::string(text) + "' is not a valid integer value");
    }
    if (!isPlainWholeNumber(text)) {
        FUZZ_CHECK(!measured);
        return;
    }
    errno = 0;
    const std::string copy(text);
    const long long wide = std::strtoll(copy.c_str(), nullptr, 10);
    const bool fits = errno == 0 && wide >= INT32_MIN && wide <= INT32_MAX;
    FUZZ_CHECK(measured.has_value() == fits);
    if (measured) {
        FUZZ_CHECK(*measured == wide);
    }
}

} // namespace

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, std::size_t size)
{
    const std::string_view input(reinterpret_cast<const char*>(data), size);
    const std::size_t lineBreak = input.find('\n');
    const std::u16string typed = netcomp::fromUtf8(input.substr(0, lineBreak));
    const std::u16string unit =
        lineBreak == input.npos ? std::u16string() : netcomp::fromUtf8(input.substr(lineBreak + 1));

    // Decimal commas become points, nothing else changes.
    const std::u16string value = normaliseCommas(typed);
    FUZZ_CHECK(value.size() == typed.size());
    for (std::size_t i = 0; i < value.size(); ++i) {
        FUZZ_CHECK(value[i] == (typed[i] == u',' ? u'.' : typed[i]));
    }

    checkReading(typed);
    checkReading(value);

    const double scale = scaleFactor(unit);
    FUZZ_CHECK(scale == (unit == u"mg/L" ? 1e6 : 1e3));

    const Reading reading = read(value);
    std::string prepared;
    try {
        prepared = prepareValue(value, unit);
        FUZZ_CHECK(reading.value);
    } catch (const EConvertError& e) {
        FUZZ_CHECK(!reading.value && e.message() == reading.error);
    }
    if (reading.value) {
        const double product = *reading.value * scale;
        FUZZ_CHECK(prepared == preparedValueText(product));
        checkPreparedText(product);
    }

    checkMeasuredNumber(input.substr(0, lineBreak));

    if (size >= sizeof(double)) {
        double raw;
        std::memcpy(&raw, data, sizeof raw);
        // Only numbers reach it: readNumber never gives NaN.
        if (!std::isnan(raw)) {
            checkPreparedText(raw);
        }
    }
    return 0;
}
