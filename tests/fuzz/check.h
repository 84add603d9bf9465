#pragma once

// A fuzz target's assertion: a failed one names itself before libFuzzer
// keeps the input that made it fail.
#include <cstdio>
#include <cstdlib>

#define FUZZ_CHECK(condition)                                                                        \
    do {                                                                                             \
        if (!(condition)) {                                                                          \
            std::fprintf(stderr, "%s:%d: check failed: %s\n", __FILE__, __LINE__, #condition);     \
            std::abort();                                                                            \
        }                                                                                            \
    } while (false)
