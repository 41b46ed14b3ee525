// The user's input in the preview and the full-screen run: game keys, and
// whatever asks the saver to end; full screen, also the system's request to
// start a screen saver. The same on the saver window and on the black windows
// over the other monitors.
#pragma once
#include <windows.h>

// True when the message is input handled here (its answer is then 0). window: the one
// it came to (the saver window, a cover or a monitor game).
bool HandleSaverInput(HWND window, UINT message, WPARAM wParam, LPARAM lParam);

// The desktop comes back at once: every window of the run hidden, then the stop set.
void EndRun();
