#pragma once

#include <cstdint>
#include <span>

namespace quorvi::test {

// How far a control's text stands out from its background, from the pixels of its area
// (0xRRGGBB, a top byte is ignored): the WCAG contrast ratio between the most frequent
// colour, the background, and the colour furthest from it, the text's own (edges only
// blend the two).
double textContrast(std::span<const std::uint32_t> pixels);

} // namespace quorvi::test
