#include "components/cores/common/CoreError.h"

namespace netcomp::core {

namespace {

// The leading words of a code's text, without the full stop of a text that is whole.
std::string leadingWords(int32_t code)
{
    std::string text(errorText(code));
    if (text.ends_with('.')) {
        text.pop_back();
    }
    return text;
}

} // namespace

std::string asSentence(std::string text)
{
    while (!text.empty() && (text.back() == '\n' || text.back() == '\r' || text.back() == ' ' ||
                             text.back() == '\t')) {
        text.pop_back();
    }
    if (text.empty() || text.back() != '.') {
        text += '.';
    }
    return text;
}

CoreError failure(int32_t code)
{
    return CoreError(code, std::string(errorText(code)));
}

CoreError failure(int32_t code, std::string_view detail)
{
    std::string text = leadingWords(code);
    return CoreError(code, text.append(" (").append(detail).append(")."));
}

CoreError failureBecause(int32_t code, std::string_view reason)
{
    std::string text = leadingWords(code);
    return CoreError(code, asSentence(text.append(": ").append(reason)));
}

} // namespace netcomp::core
