#include <cstdio>

#include "engine/trace.h"

void Trace(const char* text) { std::fprintf(stderr, "Korvex Rowfall: %s\n", text ? text : ""); }
