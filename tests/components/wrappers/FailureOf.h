#pragma once

#include "components/wrappers/ENetCore.h"

#include <string>
#include <string_view>

// The message of the ENetCore the call raises, or "(nothing raised)".
template <class Fn> std::string failureOf(Fn&& fn)
{
    try {
        fn();
    } catch (const ENetCore& e) {
        return e.message();
    }
    return "(nothing raised)";
}

// An ASCII address as the components take it.
inline std::u16string wide(std::string_view ascii)
{
    return {ascii.begin(), ascii.end()};
}
