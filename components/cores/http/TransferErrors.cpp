#include "TransferErrors.h"

#include "ShownText.h"
#include "netcomp_api.h"

namespace netcomp::http {

std::string httpStatusErrorText(int statusCode, std::string_view reasonPhrase)
{
    std::string text = "HTTP protocol error. " + std::to_string(statusCode) + " ";
    text += shownServerText(reasonPhrase);
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

core::CoreError connectFailure()
{
    return core::CoreError(NETCOMP_ERR_CONNECT, "Could not connect to the server.");
}

core::CoreError timeoutFailure(int timeoutSeconds)
{
    return core::CoreError(NETCOMP_ERR_TIMEOUT, "No answer within the timeout of " +
                                                    std::to_string(timeoutSeconds) + " seconds.");
}

core::CoreError connectionLostFailure()
{
    return core::CoreError(NETCOMP_ERR_RECEIVE, "Connection lost during the transfer.");
}

core::CoreError malformedAnswerFailure()
{
    return core::CoreError(NETCOMP_ERR_TRANSPORT, "Malformed answer from the server.");
}

core::CoreError outOfMemoryFailure()
{
    return core::CoreError(NETCOMP_ERR_TRANSPORT, "Out of memory.");
}

} // namespace netcomp::http
