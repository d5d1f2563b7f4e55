#include "interpretation/PreparedValue.h"

#include "components/exceptions/Exception.h"
#include "interpretation/NumberReading.h"
#include "interpretation/UnitScaling.h"

#include <charconv>
#include <cmath>

namespace {

constexpr int kSignificantDigits = 15;
// Below this magnitude a fraction is written with an exponent.
constexpr int kSmallestPlainExponent = -5;

} // namespace

std::string prepareValue(std::u16string_view valueText, std::u16string_view unitText)
{
    return preparedValueText(readNumber(valueText) * scaleFactor(unitText));
}

std::string preparedValueText(double product)
{
    if (std::isinf(product)) {
        return product < 0 ? "-INF" : "INF";
    }
    // "-d.dddddddddddddde-ddd" at most
    char buffer[32];
    const auto written = std::to_chars(buffer, buffer + sizeof buffer, product,
                                       std::chars_format::scientific, kSignificantDigits - 1);
    const std::string_view scientific(buffer, written.ptr);

    const bool negative = scientific.front() == '-';
    const size_t exponentMark = scientific.find('e');
    std::string digits;
    for (const char c : scientific.substr(0, exponentMark)) {
        if (c >= '0' && c <= '9') {
            digits.push_back(c);
        }
    }
    int exponent = 0;
    std::string_view exponentText = scientific.substr(exponentMark + 1);
    if (exponentText.front() == '+') {
        exponentText.remove_prefix(1);
    }
    std::from_chars(exponentText.data(), exponentText.data() + exponentText.size(), exponent);

    const size_t lastSignificant = digits.find_last_not_of('0');
    if (lastSignificant == std::string::npos) {
        return "0";
    }
    digits.resize(lastSignificant + 1);
    const int fractionDigits = static_cast<int>(digits.size()) - 1 - exponent;

    std::string text = negative ? "-" : "";
    if (exponent >= 0 && exponent < kSignificantDigits) {
        if (fractionDigits <= 0) {
            text += digits;
            text.append(static_cast<size_t>(-fractionDigits), '0');
        } else {
            text += digits.substr(0, static_cast<size_t>(exponent) + 1);
            text += '.';
            text += digits.substr(static_cast<size_t>(exponent) + 1);
        }
    } else if (exponent < 0 && exponent >= kSmallestPlainExponent) {
        text += "0.";
        text.append(static_cast<size_t>(-exponent - 1), '0');
        text += digits;
    } else {
        text += digits.front();
        if (digits.size() > 1) {
            text += '.';
            text += digits.substr(1);
        }
        text += 'E';
        text += std::to_string(exponent);
    }
    return text;
}

int32_t readMeasuredNumber(std::string_view preparedValue)
{
    int32_t value = 0;
    const char* end = preparedValue.data() + preparedValue.size();
    const auto [ptr, error] = std::from_chars(preparedValue.data(), end, value);
    if (error != std::errc() || ptr != end) {
        throw EConvertError("'" + std::string(preparedValue) + "' is not a valid integer value");
    }
    return value;
}
