#include <windows.h>

#include <string>

#include "engine/trace.h"

// A debugger, DebugView, or Wine with WINEDEBUG=+debugstr shows these.
void Trace(const char* text) {
    const std::string line = std::string("Korvex Rowfall: ") + (text ? text : "") + "\n";
    OutputDebugStringA(line.c_str());
}
