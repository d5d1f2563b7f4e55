#pragma once

#include "netcomp_api.h"

#include <cstdint>
#include <exception>
#include <string>

namespace netcomp::core {

// Raised inside a core; the entry point turns it into an error code and the last error text.
class CoreError : public std::exception {
public:
    CoreError(int32_t code, std::string text) : m_code(code), m_text(std::move(text)) {}
    int32_t code() const noexcept { return m_code; }
    const std::string& text() const noexcept { return m_text; }
    const char* what() const noexcept override { return m_text.c_str(); }

private:
    int32_t m_code;
    std::string m_text;
};

// A call on an object that is still running one it may not interfere with.
inline CoreError busyError()
{
    return CoreError(NETCOMP_ERR_BUSY, "Busy performing current action.");
}

} // namespace netcomp::core
