#pragma once

#include <cstdio>
#include <cstdlib>

// The ability model states its invariants as assertions that stay on in every build: a broken
// index is a programming error, and going on would read or write outside a block.
#define MODEL_ASSERT(condition)                                                              \
  do {                                                                                       \
    if (!(condition)) {                                                                      \
      std::fprintf(stderr, "Assertion failed: %s, file %s, line %d\n", #condition, __FILE__, \
                   __LINE__);                                                                \
      std::abort();                                                                          \
    }                                                                                        \
  } while (false)
