#pragma once

#include "checker/Finding.h"
#include "checker/InterpreterDocumentCheck.h"

#include <string>
#include <vector>

// Runs the interpretation itself, as the window does but without one, for every entry of
// a sound interpreter document: at 0, at the limit and just above it, in each unit the
// window offers. Every run must end without an error, and where the input's unit and the
// entry's unit are comparable (µg/L and mg/L, or the same unit) the outcome must be
// "within" at the limit and "exceeded" above it, with the limit read in the entry's unit.
std::vector<Finding> dryRun(const std::string& file, const InterpreterDocumentResult& document);
