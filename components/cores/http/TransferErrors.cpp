#include "TransferErrors.h"

namespace netcomp::http {

std::string httpStatusErrorText(int statusCode, std::string_view reasonPhrase)
{
    std::string text = "HTTP protocol error. " + std::to_string(statusCode) + " ";
    text += reasonPhrase;
    if (text.back() != '.')
        text += '.';
    return text;
}

bool isSuccessStatus(int statusCode)
{
    return (statusCode >= 200 && statusCode <= 299) || statusCode == 101;
}

std::string asSentence(std::string text)
{
    while (!text.empty() && (text.back() == '\n' || text.back() == '\r' || text.back() == ' ' ||
                             text.back() == '\t'))
        text.pop_back();
    if (text.empty() || text.back() != '.')
        text += '.';
    return text;
}

} // namespace netcomp::http
