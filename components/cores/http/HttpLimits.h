#pragma once

#include <cstddef>
#include <string>

namespace netcomp::http {

inline constexpr std::size_t kMaxBodyBytes = std::size_t{8} << 20;
inline constexpr std::size_t kMaxHeaderBytes = std::size_t{64} << 10;

inline std::string bodyTooLargeText()
{
    return "Response body larger than " + std::to_string(kMaxBodyBytes) + " bytes.";
}

inline std::string headerTooLargeText()
{
    return "Response headers larger than " + std::to_string(kMaxHeaderBytes) + " bytes.";
}

} // namespace netcomp::http
