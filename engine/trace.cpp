#include "engine/trace.h"

void Trace(const char*) {}
