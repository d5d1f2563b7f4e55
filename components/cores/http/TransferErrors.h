#pragma once

#include "components/cores/common/CoreError.h"

#include <string>
#include <string_view>

namespace netcomp::http {

// Why the session itself stopped a transfer.
enum class AbortReason { None, BodyTooLarge, HeaderTooLarge, MalformedAnswer };

// "HTTP protocol error. " + code + " " + reason, with a final "." unless it has one.
std::string httpStatusErrorText(int statusCode, std::string_view reasonPhrase);

// Whether a final status counts as success.
bool isSuccessStatus(int statusCode);

using core::asSentence;

// The failures every transport reports alike.
core::CoreError connectFailure();
core::CoreError timeoutFailure(int timeoutSeconds);
core::CoreError connectionLostFailure();
// No valid status line, or a head that contradicts itself (two different lengths).
core::CoreError malformedAnswerFailure();
core::CoreError outOfMemoryFailure();

} // namespace netcomp::http
