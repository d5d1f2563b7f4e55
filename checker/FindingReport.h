#pragma once

#include "checker/Finding.h"

#include <cstddef>
#include <ostream>
#include <vector>

// The findings in report order: grouped by document in the order they were found, and
// within a document the errors before the warnings.
std::vector<Finding> reportOrder(const std::vector<Finding>& findings);

// One line per finding, "file: member: Fehler|Warnung: text", and a closing summary.
void writeTextReport(std::ostream& out, const std::vector<Finding>& findings, size_t documents);

// The same as one JSON object for the laboratory's scripts.
void writeJsonReport(std::ostream& out, const std::vector<Finding>& findings, size_t documents);
