#include "components/cores/http/curl/CurlErrors.h"

#include "components/cores/common/CoreError.h"
#include "components/cores/http/HttpLimits.h"
#include "components/cores/netcomp_api.h"

#include <curl/curl.h>
#include <openssl/x509.h>

namespace netcomp::http {

core::CoreError transportError(const CurlFailure& f)
{
    auto withDetail = [&](int32_t code) { return core::failure(code, f.detail); };
    switch (f.curlCode) {
    case CURLE_URL_MALFORMAT:
        return withDetail(NETCOMP_ERR_INVALID_URL);
    // Addresses other than https never reach libcurl: these come from the answer.
    case CURLE_UNSUPPORTED_PROTOCOL:
    case CURLE_WEIRD_SERVER_REPLY:
        return malformedAnswerFailure();
    case CURLE_COULDNT_RESOLVE_HOST:
        return withDetail(NETCOMP_ERR_RESOLVE);
    case CURLE_COULDNT_CONNECT:
        return connectFailure();
    case CURLE_SSL_CONNECT_ERROR:
    case CURLE_SSL_ENGINE_NOTFOUND:
    case CURLE_SSL_ENGINE_SETFAILED:
    case CURLE_SSL_CERTPROBLEM:
    case CURLE_SSL_CIPHER:
    case CURLE_SSL_ENGINE_INITFAILED:
    case CURLE_SSL_CACERT_BADFILE:
    case CURLE_SSL_SHUTDOWN_FAILED:
    case CURLE_SSL_CRL_BADFILE:
    case CURLE_SSL_ISSUER_ERROR:
        return withDetail(NETCOMP_ERR_TLS);
    case CURLE_PEER_FAILED_VERIFICATION:
    case CURLE_SSL_PINNEDPUBKEYNOTMATCH:
    case CURLE_SSL_INVALIDCERTSTATUS:
        // libcurl reports its own checks, the host name among them, as unspecified;
        // its text then says what failed.
        if (f.verifyResult != X509_V_OK && f.verifyResult != X509_V_ERR_UNSPECIFIED) {
            return core::failureBecause(NETCOMP_ERR_CERTIFICATE,
                                        X509_verify_cert_error_string(f.verifyResult));
        }
        return core::failureBecause(NETCOMP_ERR_CERTIFICATE, f.detail);
    case CURLE_OPERATION_TIMEDOUT:
        return timeoutFailure(f.timeoutSeconds);
    case CURLE_RECV_ERROR:
    case CURLE_SEND_ERROR:
    case CURLE_PARTIAL_FILE:
    case CURLE_GOT_NOTHING:
        return connectionLostFailure();
    case CURLE_FILESIZE_EXCEEDED:
        return core::CoreError(NETCOMP_ERR_BODY_TOO_LARGE, bodyTooLargeText());
    case CURLE_OUT_OF_MEMORY:
#if LIBCURL_VERSION_NUM >= 0x080600
    case CURLE_TOO_LARGE:
#endif
        // How libcurl gives up a header line longer than it holds (100 KiB), before
        // the header callback could count it.
        if (!f.headEnded) {
            return core::CoreError(NETCOMP_ERR_HEADER_TOO_LARGE, headerTooLargeText());
        }
        break;
    case CURLE_BAD_CONTENT_ENCODING:
        return withDetail(NETCOMP_ERR_DECODING);
    case CURLE_WRITE_ERROR:
        if (f.abortReason == AbortReason::BodyTooLarge) {
            return core::CoreError(NETCOMP_ERR_BODY_TOO_LARGE, bodyTooLargeText());
        }
        if (f.abortReason == AbortReason::HeaderTooLarge) {
            return core::CoreError(NETCOMP_ERR_HEADER_TOO_LARGE, headerTooLargeText());
        }
        if (f.abortReason == AbortReason::MalformedAnswer) {
            return malformedAnswerFailure();
        }
        break;
    default:
        break;
    }
    return core::CoreError(NETCOMP_ERR_TRANSPORT, asSentence(f.detail));
}

} // namespace netcomp::http
