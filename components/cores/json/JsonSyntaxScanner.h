#pragma once

#include "components/cores/common/CoreError.h"

#include <cstddef>
#include <cstdint>
#include <optional>
#include <string>
#include <string_view>
#include <vector>

namespace netcomp::json {

// Follows JSON syntax a byte at a time across pieces of input, so that input given piece
// by piece is read once while its value is incomplete; the tree is built only when the
// top-level value has ended. Fails at the same byte and with the same error as the parser
// that builds the tree.
class JsonSyntaxScanner {
public:
    // Takes in the next piece. True once the top-level value is complete; the scanner
    // stops there, and what follows is the parser's to check. Throws CoreError 10232 for
    // malformed input, 10235 for nesting deeper than maxDepth, 10236 for more than
    // maxValues values, and again on every later call.
    bool scan(std::string_view piece, std::size_t maxDepth, std::size_t maxValues);
    void reset();

private:
    enum class State : uint8_t {
        Value,
        FirstItem,
        FirstKey,
        Key,
        AfterKey,
        AfterValue,
        String,
        Escape,
        Hex,
        Minus,
        Zero,
        Integer,
        Point,
        Fraction,
        Exponent,
        ExponentSign,
        ExponentDigits,
        Literal,
        Complete,
    };

    void startValue(char c, std::size_t maxDepth, std::size_t maxValues);
    void endValue();
    void close(char c);
    [[noreturn]] void fail(int32_t code, std::string text);
    [[noreturn]] void failMarkup();

    State m_state = State::Value;
    bool m_inKey = false;
    int m_hexLeft = 0;
    std::string_view m_literal;
    std::size_t m_literalAt = 0;
    std::size_t m_values = 0;
    std::vector<bool> m_objects; // open containers, innermost last
    std::optional<core::CoreError> m_failure;
};

} // namespace netcomp::json
