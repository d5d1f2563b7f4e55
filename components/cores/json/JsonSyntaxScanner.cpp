#include "components/cores/json/JsonSyntaxScanner.h"

#include "components/cores/common/CoreError.h"
#include "components/cores/json/JsonChars.h"
#include "components/cores/json/JsonLimits.h"
#include "components/cores/netcomp_api.h"

namespace netcomp::json {
namespace {

using chars::isDigit;
using chars::isHex;
using chars::isWhitespace;

bool isExponentMark(char c)
{
    return (c | 0x20) == 'e';
}

} // namespace

void JsonSyntaxScanner::reset()
{
    *this = JsonSyntaxScanner();
}

void JsonSyntaxScanner::fail(int32_t code, std::string text)
{
    m_failure.emplace(code, std::move(text));
    throw *m_failure;
}

void JsonSyntaxScanner::failMarkup()
{
    fail(NETCOMP_ERR_JSON_MARKUP, std::string(errorText(NETCOMP_ERR_JSON_MARKUP)));
}

void JsonSyntaxScanner::startValue(char c, std::size_t maxDepth, std::size_t maxValues)
{
    // In the parser's order: the value bound, the depth, the markup.
    if (m_values == maxValues) {
        fail(NETCOMP_ERR_JSON_SIZE, tooManyValuesText(maxValues));
    }
    const bool opens = c == '{' || c == '[';
    if (opens && m_objects.size() == maxDepth) {
        fail(NETCOMP_ERR_JSON_DEPTH, tooDeepText(maxDepth));
    }
    const bool startsValue =
        opens || c == '"' || c == '-' || isDigit(c) || c == 't' || c == 'f' || c == 'n';
    if (!startsValue) {
        failMarkup();
    }
    ++m_values;
    switch (c) {
    case '{':
    case '[':
        m_objects.push_back(c == '{');
        m_state = c == '{' ? State::FirstKey : State::FirstItem;
        return;
    case '"':
        m_inKey = false;
        m_state = State::String;
        return;
    case '-':
        m_state = State::Minus;
        return;
    case '0':
        m_state = State::Zero;
        return;
    case 't':
    case 'f':
    case 'n':
        m_literal = c == 't' ? "true" : c == 'f' ? "false" : "null";
        m_literalAt = 1;
        m_state = State::Literal;
        return;
    default:
        m_state = State::Integer;
    }
}

void JsonSyntaxScanner::endValue()
{
    m_state = m_objects.empty() ? State::Complete : State::AfterValue;
}

void JsonSyntaxScanner::close(char c)
{
    if (m_objects.empty() || c != (m_objects.back() ? '}' : ']')) {
        failMarkup();
    }
    m_objects.pop_back();
    endValue();
}

bool JsonSyntaxScanner::scan(std::string_view piece, std::size_t maxDepth, std::size_t maxValues)
{
    if (m_failure) {
        throw *m_failure;
    }
    const char* p = piece.data();
    const char* const end = p + piece.size();
    while (p < end && m_state != State::Complete) {
        const char c = *p;
        switch (m_state) {
        case State::Value:
            if (!isWhitespace(c)) {
                startValue(c, maxDepth, maxValues);
            }
            break;
        case State::FirstItem:
            if (c == ']') {
                close(c);
            } else if (!isWhitespace(c)) {
                startValue(c, maxDepth, maxValues);
            }
            break;
        case State::FirstKey:
        case State::Key:
            if (c == '"') {
                m_inKey = true;
                m_state = State::String;
            } else if (c == '}' && m_state == State::FirstKey) {
                close(c);
            } else if (!isWhitespace(c)) {
                failMarkup();
            }
            break;
        case State::AfterKey:
            if (c == ':') {
                m_state = State::Value;
            } else if (!isWhitespace(c)) {
                failMarkup();
            }
            break;
        case State::AfterValue:
            if (c == ',') {
                m_state = m_objects.back() ? State::Key : State::Value;
            } else if (!isWhitespace(c)) {
                close(c);
            }
            break;
        case State::String:
            // Plain string bytes in a tight loop.
            while (p < end && !chars::kStringSpecial[chars::byte(*p)]) {
                ++p;
            }
            if (p == end) {
                return false;
            }
            if (*p == '"') {
                if (m_inKey) {
                    m_state = State::AfterKey;
                } else {
                    endValue();
                }
            } else if (*p == '\\') {
                m_state = State::Escape;
            } else {
                failMarkup();
            }
            break;
        case State::Escape:
            if (c == 'u') {
                m_hexLeft = 4;
                m_state = State::Hex;
            } else if (c == '"' || c == '\\' || c == '/' || c == 'b' || c == 'f' || c == 'n' ||
                       c == 'r' || c == 't') {
                m_state = State::String;
            } else {
                failMarkup();
            }
            break;
        case State::Hex:
            if (!isHex(c)) {
                failMarkup();
            }
            if (--m_hexLeft == 0) {
                m_state = State::String;
            }
            break;
        case State::Minus:
            if (!isDigit(c)) {
                failMarkup();
            }
            m_state = c == '0' ? State::Zero : State::Integer;
            break;
        case State::Point:
        case State::ExponentSign:
            if (!isDigit(c)) {
                failMarkup();
            }
            m_state = m_state == State::Point ? State::Fraction : State::ExponentDigits;
            break;
        case State::Exponent:
            if (c == '+' || c == '-') {
                m_state = State::ExponentSign;
            } else if (isDigit(c)) {
                m_state = State::ExponentDigits;
            } else {
                failMarkup();
            }
            break;
        case State::Zero:
        case State::Integer:
        case State::Fraction:
        case State::ExponentDigits:
            if (isDigit(c) && m_state != State::Zero) {
                break;
            }
            if (c == '.' && m_state <= State::Integer) {
                m_state = State::Point;
                break;
            }
            if (isExponentMark(c) && m_state != State::ExponentDigits) {
                m_state = State::Exponent;
                break;
            }
            // The number ended before c, which the next state takes.
            endValue();
            continue;
        case State::Literal:
            if (c != m_literal[m_literalAt]) {
                failMarkup();
            }
            if (++m_literalAt == m_literal.size()) {
                endValue();
            }
            break;
        case State::Complete:
            break;
        }
        ++p;
    }
    // The parser ends a number at the end of the input, as a top-level value.
    const bool numberEnds = m_state == State::Zero || m_state == State::Integer ||
                            m_state == State::Fraction || m_state == State::ExponentDigits;
    if (numberEnds && m_objects.empty()) {
        m_state = State::Complete;
    }
    return m_state == State::Complete;
}

} // namespace netcomp::json
