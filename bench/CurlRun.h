#pragma once

#include <cstddef>
#include <string>
#include <vector>

// One invocation of the curl program fetching several addresses in turn (one of them
// with HEAD), trusting the given CA bundle: the yardstick for a sample load.
class CurlRun {
public:
    CurlRun(const std::string& caBundle, const std::vector<std::string>& urls,
            std::size_t headIndex);

    // Milliseconds from spawning curl to its exit; throws when curl fails.
    double run() const;

private:
    std::vector<std::string> m_arguments;
};
