#pragma once

#include <cstddef>
#include <ostream>
#include <string>
#include <vector>

// Exit codes of QuorviCheck.
inline constexpr int kCheckPassed = 0; // nothing would fail in a customer's window
inline constexpr int kCheckFailed = 1; // something would
inline constexpr int kCheckBadUsage = 2;

// From this many documents on, a progress line goes to the error stream.
inline constexpr size_t kProgressFromDocuments = 100;

// QuorviCheck's command line: "[--json] <web space folder>", arguments in UTF-8 without
// the program's name. The report goes to out; usage errors and progress go to err.
int runCheckerCommand(const std::vector<std::string>& arguments, std::ostream& out,
                      std::ostream& err);
