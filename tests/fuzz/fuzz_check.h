// What the fuzz targets check with. A broken invariant is named and aborts, so that
// libFuzzer keeps the input that broke it.
#pragma once
#include <cstdio>
#include <cstdlib>

#include "engine/rect.h"

inline void Check(bool condition, const char* what) {
    if (condition) return;
    std::fprintf(stderr, "invariant broken: %s\n", what);
    std::abort();
}

inline bool Inside(const TRect& inner, const TRect& outer) {
    return inner.left >= outer.left && inner.top >= outer.top && inner.right <= outer.right &&
           inner.bottom <= outer.bottom;
}
