// The diagnostic hook: failed operations hand it their label. It keeps nothing:
// each call becomes one line "Korvex Rowfall: <text>" for a debugger to show.
#pragma once

void Trace(const char* text);
