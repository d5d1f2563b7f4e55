#pragma once

#include <cstddef>
#include <string>

namespace netcomp::json {

// The component's bounds: far above any interpreter document (a few kilobytes), and low
// enough that a hostile document cannot exhaust a 32-bit process. A tree costs about 24
// bytes per value, so the value bound keeps it near 24 MiB.
inline constexpr std::size_t kDefaultMaxInputBytes = std::size_t{8} << 20;
inline constexpr std::size_t kDefaultMaxValues = std::size_t{1} << 20;

// The texts of the parser's bounds, for the scan and the tree alike.
inline std::string tooDeepText(std::size_t maxDepth)
{
    return "JSON nesting too deep (maximum " + std::to_string(maxDepth) + " levels).";
}
inline std::string tooManyValuesText(std::size_t maxValues)
{
    return "JSON document too large (maximum " + std::to_string(maxValues) + " values).";
}
inline std::string inputTooLargeText(std::size_t maxBytes)
{
    return "JSON input too large (maximum " + std::to_string(maxBytes) + " bytes).";
}

} // namespace netcomp::json
