#pragma once

#include "components/cores/ErrorTexts.h"

#include <cstdint>
#include <exception>
#include <string>
#include <string_view>

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

// Trims trailing white space and ends the text with ".".
std::string asSentence(std::string text);

// The code's text alone: "Busy performing current action."
CoreError failure(int32_t code);
// The code's text with the detail in brackets: "Unknown property (99)."
CoreError failure(int32_t code, std::string_view detail);
// The code's text followed by the reason: "Server certificate rejected: expired."
CoreError failureBecause(int32_t code, std::string_view reason);

} // namespace netcomp::core
