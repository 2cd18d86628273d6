// What a fuzz target checks besides the absence of faults: a rule broken
// ends the run as a fault does, naming the rule.
#pragma once

#include <cstdio>
#include <cstdlib>

#define FUZZ_CHECK(rule)                                                                           \
    do {                                                                                           \
        if (!(rule)) {                                                                             \
            std::fprintf(stderr, "%s:%d: rule broken: %s\n", __FILE__, __LINE__, #rule);           \
            std::abort();                                                                          \
        }                                                                                          \
    } while (false)
