// A run-time guard for the engine's range rules: a broken invariant stops the program at once
// with the place it broke, instead of reading or writing outside a grid.
#pragma once

#include <cstdio>
#include <cstdlib>

#define QUOBBLES_CHECK(cond)                                                                            \
  do {                                                                                                  \
    if (!(cond)) {                                                                                      \
      std::fprintf(stderr, "quobbles: internal check failed: %s (%s:%d)\n", #cond, __FILE__, __LINE__); \
      std::abort();                                                                                     \
    }                                                                                                   \
  } while (0)
