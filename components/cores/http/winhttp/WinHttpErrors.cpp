#include "components/cores/http/winhttp/WinHttpErrors.h"

#include "components/codepage/CodePage.h"
#include "components/cores/common/CoreError.h"
#include "components/cores/http/HttpLimits.h"
#include "components/cores/http/TransferErrors.h"
#include "components/cores/netcomp_api.h"

#include <string>
#include <winhttp.h>

namespace netcomp::http {

namespace {

// WinHTTP's own text for its error, from winhttp.dll's message table.
std::string systemText(DWORD error)
{
    wchar_t* buffer = nullptr;
    const DWORD flags = FORMAT_MESSAGE_ALLOCATE_BUFFER | FORMAT_MESSAGE_IGNORE_INSERTS |
                        FORMAT_MESSAGE_FROM_SYSTEM | FORMAT_MESSAGE_FROM_HMODULE;
    const DWORD length = FormatMessageW(flags, GetModuleHandleW(L"winhttp.dll"), error, 0,
                                        reinterpret_cast<wchar_t*>(&buffer), 0, nullptr);
    std::string text;
    if (length > 0 && buffer) {
        text = toUtf8(std::u16string_view(reinterpret_cast<const char16_t*>(buffer), length));
    }
    if (buffer) {
        LocalFree(buffer);
    }
    while (!text.empty() && (text.back() == '\n' || text.back() == '\r' || text.back() == ' ' ||
                             text.back() == '.')) {
        text.pop_back();
    }
    if (text.empty()) {
        text = "WinHTTP error " + std::to_string(error);
    }
    return text;
}

} // namespace

core::CoreError winHttpFailure(DWORD error, int timeoutSeconds)
{
    auto withDetail = [&](int32_t code) { return core::failure(code, systemText(error)); };
    switch (error) {
    case ERROR_WINHTTP_INVALID_URL:
    case ERROR_WINHTTP_UNRECOGNIZED_SCHEME:
        return withDetail(NETCOMP_ERR_INVALID_URL);
    case ERROR_WINHTTP_NAME_NOT_RESOLVED:
        return withDetail(NETCOMP_ERR_RESOLVE);
    case ERROR_WINHTTP_CANNOT_CONNECT:
    case WSAECONNREFUSED:
        return connectFailure();
    case ERROR_WINHTTP_SECURE_FAILURE:
    case ERROR_WINHTTP_SECURE_INVALID_CA:
    case ERROR_WINHTTP_SECURE_CERT_DATE_INVALID:
    case ERROR_WINHTTP_SECURE_CERT_CN_INVALID:
    case ERROR_WINHTTP_SECURE_INVALID_CERT:
    case ERROR_WINHTTP_SECURE_CERT_REVOKED:
    case ERROR_WINHTTP_SECURE_CERT_WRONG_USAGE:
        return core::failureBecause(NETCOMP_ERR_CERTIFICATE, systemText(error));
    case ERROR_WINHTTP_SECURE_CHANNEL_ERROR:
        return withDetail(NETCOMP_ERR_TLS);
    case ERROR_WINHTTP_TIMEOUT:
    case WSAETIMEDOUT:
        return timeoutFailure(timeoutSeconds);
    case ERROR_WINHTTP_CONNECTION_ERROR:
    case WSAECONNRESET:
    case WSAECONNABORTED:
    case ERROR_WINHTTP_INVALID_SERVER_RESPONSE:
        return connectionLostFailure();
    case ERROR_WINHTTP_HEADER_SIZE_OVERFLOW:
        return core::CoreError(NETCOMP_ERR_HEADER_TOO_LARGE, headerTooLargeText());
    case ERROR_NOT_ENOUGH_MEMORY:
        return outOfMemoryFailure();
    default:
        break;
    }
    return core::CoreError(NETCOMP_ERR_TRANSPORT, asSentence(systemText(error)));
}

} // namespace netcomp::http
