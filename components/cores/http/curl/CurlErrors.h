#pragma once

#include "components/cores/http/TransferErrors.h"

#include <string>

namespace netcomp::http {

struct CurlFailure {
    int curlCode = 0;
    std::string detail;    // curl's error buffer, or its text for the code
    long verifyResult = 0; // OpenSSL's certificate verification result
    AbortReason abortReason = AbortReason::None;
    int timeoutSeconds = 0;
    bool headEnded = false; // the blank line ending the response head arrived
};

// The error a failed libcurl transfer is reported with.
core::CoreError transportError(const CurlFailure& failure);

} // namespace netcomp::http
