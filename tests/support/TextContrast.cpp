#include "tests/support/TextContrast.h"

#include <algorithm>
#include <cmath>
#include <map>

namespace quorvi::test {

namespace {

double luminance(std::uint32_t rgb)
{
    auto channel = [](std::uint32_t value) {
        const double c = (value & 0xFF) / 255.0;
        return c <= 0.03928 ? c / 12.92 : std::pow((c + 0.055) / 1.055, 2.4);
    };
    return 0.2126 * channel(rgb >> 16) + 0.7152 * channel(rgb >> 8) + 0.0722 * channel(rgb);
}

double contrast(std::uint32_t a, std::uint32_t b)
{
    const double la = luminance(a);
    const double lb = luminance(b);
    return (std::max(la, lb) + 0.05) / (std::min(la, lb) + 0.05);
}

} // namespace

double textContrast(std::span<const std::uint32_t> pixels)
{
    std::map<std::uint32_t, int> counts;
    for (std::uint32_t pixel : pixels) {
        ++counts[pixel & 0xFFFFFF];
    }
    std::uint32_t background = 0;
    int most = 0;
    for (const auto& [colour, count] : counts) {
        if (count > most) {
            most = count;
            background = colour;
        }
    }
    double best = 1.0;
    for (const auto& [colour, count] : counts) {
        best = std::max(best, contrast(colour, background));
    }
    return best;
}

} // namespace quorvi::test
