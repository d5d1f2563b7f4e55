#include "components/cores/http/curl/CurlErrors.h"

#include "components/cores/common/CoreError.h"

#include <curl/curl.h>
#include <gtest/gtest.h>
#include <openssl/x509_vfy.h>

using netcomp::core::CoreError;
using namespace netcomp::http;

namespace {

TEST(TransportError, MapsCurlCodes)
{
    struct Case {
        CurlFailure failure;
        int32_t code;
        const char* text;
    };
    const Case cases[] = {
        {{CURLE_OPERATION_TIMEDOUT, "x", 0, AbortReason::None, 7},
         306,
         "No answer within the timeout of 7 seconds."},
        {{CURLE_PEER_FAILED_VERIFICATION, "SSL: no alternative certificate subject name matches", 0,
          AbortReason::None, 60},
         305,
         "Server certificate rejected: SSL: no alternative certificate subject name matches."},
        {{CURLE_PEER_FAILED_VERIFICATION, "SSL: no alternative certificate subject name matches",
          X509_V_ERR_UNSPECIFIED, AbortReason::None, 60},
         305,
         "Server certificate rejected: SSL: no alternative certificate subject name matches."},
        {{CURLE_PEER_FAILED_VERIFICATION, "SSL certificate problem: certificate has expired",
          X509_V_ERR_CERT_HAS_EXPIRED, AbortReason::None, 60},
         305,
         "Server certificate rejected: certificate has expired."},
        {{CURLE_WRITE_ERROR, "Failure writing output", 0, AbortReason::BodyTooLarge, 60},
         308,
         "Response body larger than 8388608 bytes."},
        {{CURLE_WRITE_ERROR, "Failed writing header", 0, AbortReason::HeaderTooLarge, 60},
         309,
         "Response headers larger than 65536 bytes."},
        {{CURLE_FILESIZE_EXCEEDED, "Maximum file size exceeded", 0, AbortReason::None, 60},
         308,
         "Response body larger than 8388608 bytes."},
        {{CURLE_COULDNT_RESOLVE_HOST, "Could not resolve host: nowhere", 0, AbortReason::None, 60},
         302,
         "Host name could not be resolved (Could not resolve host: nowhere)."},
        {{CURLE_WEIRD_SERVER_REPLY, "Unsupported HTTP version in response\n", 0, AbortReason::None,
          60},
         312,
         "Malformed answer from the server."},
        {{CURLE_UNSUPPORTED_PROTOCOL, "Received HTTP/0.9 when not allowed", 0, AbortReason::None,
          60},
         312,
         "Malformed answer from the server."},
        {{CURLE_WRITE_ERROR, "Failure writing output", 0, AbortReason::MalformedAnswer, 60},
         312,
         "Malformed answer from the server."},
        {{CURLE_RECV_ERROR, "Recv failure: Connection reset by peer", 0, AbortReason::None, 60},
         307,
         "Connection lost during the transfer."},
        {{CURLE_OUT_OF_MEMORY, "Out of memory", 0, AbortReason::None, 60, false},
         309,
         "Response headers larger than 65536 bytes."},
        {{CURLE_OUT_OF_MEMORY, "Out of memory", 0, AbortReason::None, 60, true},
         312,
         "Out of memory."},
    };
    for (const Case& c : cases) {
        const CoreError error = transportError(c.failure);
        EXPECT_EQ(error.code(), c.code) << c.failure.curlCode;
        EXPECT_EQ(error.text(), c.text) << c.failure.curlCode;
    }
}

} // namespace
