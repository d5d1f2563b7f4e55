#pragma once

#include <cstdio>
#include <cstdlib>

// A broken property aborts, which libFuzzer reports as a crash and keeps the input.
[[noreturn]] inline void fuzzPropertyBroken(const char* condition, const char* file, int line)
{
    std::fprintf(stderr, "%s:%d: property broken: %s\n", file, line, condition);
    std::abort();
}

#define FUZZ_CHECK(condition)                                                                      \
    ((condition) ? void() : fuzzPropertyBroken(#condition, __FILE__, __LINE__))
