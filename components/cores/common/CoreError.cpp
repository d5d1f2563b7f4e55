#include "components/cores/common/CoreError.h"

namespace netcomp::core {

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
    std::string text(errorText(code));
    return CoreError(code, text.append(" (").append(detail).append(")."));
}

CoreError failureBecause(int32_t code, std::string_view reason)
{
    std::string text(errorText(code));
    return CoreError(code, asSentence(text.append(": ").append(reason)));
}

} // namespace netcomp::core
