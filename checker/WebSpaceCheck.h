#pragma once

#include "checker/Finding.h"
#include "checker/WebSpace.h"

#include <cstddef>
#include <functional>
#include <vector>

struct WebSpaceFindings {
    std::vector<Finding> findings;
    size_t documents = 0;
};

// Checks every sample document, then every interpreter document with its dry run, and
// names the interpreter documents no sample leads to. Progress is told after each
// document with the number done and the number in all.
WebSpaceFindings checkWebSpace(const WebSpace& webSpace,
                               const std::function<void(size_t, size_t)>& progress = {});
