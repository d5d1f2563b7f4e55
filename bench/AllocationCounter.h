#pragma once

#include <cstddef>

// Counts what the global operator new hands out while counting is on. The replaced
// operators live in AllocationCounter.cpp, so only a program that links it counts.
struct AllocationCount {
    std::size_t allocations = 0;
    std::size_t bytes = 0;     // requested, summed over all allocations
    std::size_t peakBytes = 0; // most bytes live at once, above the level at start
};

class AllocationCounter {
public:
    AllocationCounter();
    ~AllocationCounter();
    AllocationCounter(const AllocationCounter&) = delete;
    AllocationCounter& operator=(const AllocationCounter&) = delete;

    AllocationCount count() const;
};
