#pragma once

#include <cstdint>
#include <string>

// Reading the parameter slots of an event's second (UTF-16) firing.
namespace netcomp::events {

inline std::u16string text(const intptr_t* params, const intptr_t* lengths, int32_t i)
{
    const auto* p = reinterpret_cast<const char16_t*>(params[i]);
    return p ? std::u16string(p, static_cast<std::size_t>(lengths[i])) : std::u16string();
}

inline std::string bytes(const intptr_t* params, const intptr_t* lengths, int32_t i)
{
    const auto* p = reinterpret_cast<const char*>(params[i]);
    return p ? std::string(p, static_cast<std::size_t>(lengths[i])) : std::string();
}

} // namespace netcomp::events
