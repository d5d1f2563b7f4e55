#pragma once

#include "components/exceptions/Exception.h"

#include <cstdint>
#include <string_view>

// The exception every internet component raises: the core's error code and a message
// made of the code in decimal, ": " and the error text.
class ENetCore : public Exception {
public:
    ENetCore(int32_t code, std::string_view text)
        : Exception(std::to_string(code) + ": " + std::string(text)), m_code(code)
    {
    }
    int32_t code() const noexcept { return m_code; }

private:
    int32_t m_code;
};
