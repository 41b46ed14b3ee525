// The user's input in the preview and the full-screen run: game keys, and
// whatever asks the saver to end. The same on the saver window and on the
// black windows over the other monitors.
#pragma once
#include <windows.h>

// True when the message is input handled here; result then holds its answer.
bool HandleSaverInput(UINT message, WPARAM wParam, LRESULT& result);
