// Screen pixels and posted input, for programs that watch and steer the saver
// from outside: the end-to-end driver and the soak probe.
#pragma once
#include <windows.h>

#include <cstdint>
#include <vector>

// A copy of the whole virtual screen, every monitor (GetDC(NULL) + BitBlt into a
// 32-bit top-down DIB); At takes screen coordinates.
struct TScreenShot {
    int32_t Left = 0;
    int32_t Top = 0;
    int32_t Width = 0;
    int32_t Height = 0;
    std::vector<uint32_t> Pixels;  // 0x00RRGGBB
    uint32_t At(int32_t x, int32_t y) const {
        return Pixels[size_t(y - Top) * Width + size_t(x - Left)];
    }
};
TScreenShot ReadScreen();
TScreenShot ReadScreen(const RECT& area);  // that part of it alone
// The first monitor that is not the primary one; empty when there is none.
RECT OtherMonitor();
// Pixels inside area (screen coordinates) that differ between a and b.
int32_t CountChanged(const TScreenShot& a, const TScreenShot& b, const RECT& area);
// Number of distinct colors in area, counted until there are more than enough; a black
// or one-color screen gives 1.
int32_t CountColors(const TScreenShot& shot, const RECT& area, int32_t enough = 1000);

// Input, posted to the window's queue so it reaches its window procedure.
void PostKey(HWND window, WORD virtualKey);
void PostMouseMove(HWND window, int32_t x, int32_t y);
void PostButton(HWND window, UINT message);  // WM_LBUTTONDOWN, WM_RBUTTONDOWN, ...
// Runs this thread's message loop for ms milliseconds (needed while the
// driver owns windows, e.g. a preview parent).
void PumpMessages(DWORD ms);
