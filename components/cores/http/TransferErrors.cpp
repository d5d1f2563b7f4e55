#include "components/cores/http/TransferErrors.h"

#include "components/codepage/ShownText.h"
#include "components/cores/common/CoreError.h"
#include "components/cores/netcomp_api.h"

namespace netcomp::http {

std::string httpStatusErrorText(int statusCode, std::string_view reasonPhrase)
{
    std::string text =
        std::string(errorText(NETCOMP_ERR_HTTP_STATUS)) + " " + std::to_string(statusCode) + " ";
    text += shownServerText(reasonPhrase);
    if (text.back() != '.') {
        text += '.';
    }
    return text;
}

bool isSuccessStatus(int statusCode)
{
    return (statusCode >= 200 && statusCode <= 299) || statusCode == 101;
}

core::CoreError connectFailure()
{
    return core::failure(NETCOMP_ERR_CONNECT);
}

core::CoreError timeoutFailure(int timeoutSeconds)
{
    return core::CoreError(NETCOMP_ERR_TIMEOUT, std::string(errorText(NETCOMP_ERR_TIMEOUT)) + " " +
                                                    std::to_string(timeoutSeconds) + " seconds.");
}

core::CoreError connectionLostFailure()
{
    return core::failure(NETCOMP_ERR_RECEIVE);
}

core::CoreError malformedAnswerFailure()
{
    return core::CoreError(NETCOMP_ERR_TRANSPORT, "Malformed answer from the server.");
}

core::CoreError outOfMemoryFailure()
{
    return core::CoreError(NETCOMP_ERR_TRANSPORT, std::string(kOutOfMemoryText));
}

} // namespace netcomp::http
