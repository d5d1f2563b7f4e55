#pragma once

#include "CoreError.h"

#include <string>
#include <string_view>

namespace netcomp::http {

// Why the session itself stopped a transfer from one of libcurl's callbacks.
enum class AbortReason { None, BodyTooLarge, HeaderTooLarge };

// "HTTP protocol error. " + code + " " + reason, with a final "." unless it has one.
std::string httpStatusErrorText(int statusCode, std::string_view reasonPhrase);

// Whether a final status counts as success.
bool isSuccessStatus(int statusCode);

// Trims trailing white space and ends the text with ".".
std::string asSentence(std::string text);

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
