#pragma once
// Invariants of the fuzz targets: a broken one stops the run like a crash,
// with the reason on stderr.
#include <cstdio>
#include <cstdlib>

#define COMPROBAR(cond)                                                                 \
    do {                                                                                \
        if (!(cond)) {                                                                  \
            std::fprintf(stderr, "%s:%d: invariant broken: %s\n", __FILE__, __LINE__, #cond); \
            std::abort();                                                               \
        }                                                                               \
    } while (0)
