// Start to first full frame: the saver against a bare full-screen window that paints
// once (bare_window.exe), in alternating runs, then the medians and their ratio.
// Usage: first_frame SCR BARE [RUNS]   (RUNS: per program, default 9)
// A frame is full when the well (its grid at least: the first figure falls only in
// the second turn), the left panel and the time box each show the colors of a painted
// picture, read back from the screen every few milliseconds.
#include <windows.h>

#include <algorithm>
#include <cstdio>
#include <cstdlib>
#include <string>
#include <vector>

#include "e2e/screen_input.h"
#include "pacing/layout.h"
#include "presentation/win/paint_area.h"

namespace {

constexpr DWORD PatienceMs = 20000;

// Some color beyond one inside area, counted only as far as needed; read from the
// screen alone, so that the look costs the programs measured little.
bool ShowsColors(const TRect& area, int32_t enough) {
    const RECT r = ToRECT(area);
    return CountColors(ReadScreen(r), r, enough) > enough;
}

bool FullFrame(const TLayout& layout) {
    return ShowsColors(layout.TimeBox, 1) && ShowsColors(layout.GlassRect, 1) &&
           ShowsColors({0, 0, layout.GlassRect.left, layout.GlassRect.bottom}, 50);
}

// Milliseconds from CreateProcess to the first full frame; -1 when none came.
int32_t TimeToFrame(const std::string& exe, const char* arguments, const TLayout& layout) {
    std::string line = "\"" + exe + "\" " + arguments;
    STARTUPINFOA startup = {};
    startup.cb = sizeof startup;
    PROCESS_INFORMATION process = {};
    const DWORD start = GetTickCount();
    if (!CreateProcessA(exe.c_str(), &line[0], nullptr, nullptr, FALSE, 0, nullptr, nullptr, &startup,
                        &process))
        return -1;
    int32_t ms = -1;
    while (GetTickCount() - start < PatienceMs) {
        if (FullFrame(layout)) {
            ms = int32_t(GetTickCount() - start);
            break;
        }
        Sleep(1);
    }
    TerminateProcess(process.hProcess, 0);
    WaitForSingleObject(process.hProcess, PatienceMs);
    CloseHandle(process.hThread);
    CloseHandle(process.hProcess);
    Sleep(500);  // the desktop settles before the next start
    return ms;
}

int32_t Median(std::vector<int32_t> values) {
    std::sort(values.begin(), values.end());
    return values[values.size() / 2];
}

}  // namespace

int main(int argc, char** argv) {
    if (argc < 3) {
        std::fprintf(stderr, "usage: first_frame SCR BARE [RUNS]\n");
        return 2;
    }
    const int runs = argc > 3 ? std::max(1, std::atoi(argv[3])) : 9;
    RECT desktop;
    GetWindowRect(GetDesktopWindow(), &desktop);
    const TLayout layout = ComputeLayout({desktop.left, desktop.top, desktop.right, desktop.bottom});
    std::vector<int32_t> saver, bare;
    for (int run = 0; run < runs; ++run) {
        bare.push_back(TimeToFrame(argv[2], "", layout));
        saver.push_back(TimeToFrame(argv[1], "/s", layout));
        std::printf("run %d: bare window %d ms, saver %d ms\n", run + 1, bare.back(), saver.back());
    }
    const int32_t s = Median(saver), b = Median(bare);
    std::printf("first full frame at %ldx%ld, medians of %d: saver %d ms, bare window %d ms, ratio %.2f\n",
                desktop.right, desktop.bottom, runs, s, b, b > 0 ? double(s) / b : 0.0);
    return 0;
}
