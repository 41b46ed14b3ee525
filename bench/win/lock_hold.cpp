// How long one pass of the step machine keeps the window's thread out: plays
// turns back to back on a 1024 x 768 window for some seconds (argument, default
// 15) and prints the longest game-lock holds, planning passes apart.
#include <algorithm>
#include <cstdio>
#include <cstdlib>
#include <vector>

#include "host/win/turn_host.h"
#include "pacing/win/saver_objects.h"
#include "screen_tool.h"

namespace {

double Now() {
    static LARGE_INTEGER frequency = [] {
        LARGE_INTEGER f;
        QueryPerformanceFrequency(&f);
        return f;
    }();
    LARGE_INTEGER count;
    QueryPerformanceCounter(&count);
    return double(count.QuadPart) * 1000.0 / double(frequency.QuadPart);
}

// Times each outermost hold of the game lock, in the order of one turn.
class TTimingHost : public TSaverTurnHost {
public:
    TTimingHost() : TSaverTurnHost(PrimaryGame) {}
    std::vector<double> Turn;

    bool LockGame() override {
        if (!TSaverTurnHost::LockGame()) return false;
        if (Depth_++ == 0) Start_ = Now();
        return true;
    }
    void UnlockGame() override {
        if (--Depth_ == 0) {
            Turn.push_back(Now() - Start_);
        }
        TSaverTurnHost::UnlockGame();
    }

private:
    int32_t Depth_ = 0;
    double Start_ = 0;
};

void Report(const char* name, std::vector<double> holds) {
    if (holds.empty()) return;
    std::sort(holds.begin(), holds.end());
    double sum = 0;
    for (double h : holds) sum += h;
    std::printf("%-16s n=%6zu  mean %7.3f ms  median %7.3f ms  p99 %7.3f ms  max %7.3f ms\n", name,
                holds.size(), sum / double(holds.size()), holds[holds.size() / 2],
                holds[holds.size() * 99 / 100], holds.back());
}

}  // namespace

int main(int argc, char** argv) {
    const double seconds = argc > 1 ? std::atof(argv[1]) : 15.0;
    PrepareSaverState();
    AutoPlayLock = CreateMutexA(nullptr, FALSE, nullptr);
    StopEvent = CreateEventA(nullptr, TRUE, FALSE, nullptr);
    HWND window = CreateToolWindow(1024, 768);
    if (!window) return 1;
    SaverWindow = window;
    Form.SetWindow(window);

    TTimingHost host;
    // A turn holds the lock for its restart check (with the repaint after a
    // game over), its first pass (the plan), later passes, the landing pass
    // (rows dissolve there) and the finish.
    std::vector<double> restart, planning, falling, landing, finish;
    int32_t turns = 0;
    const double end = Now() + seconds * 1000.0;
    while (Now() < end) {
        host.Turn.clear();
        Run(Rowfall, Form, host);
        ++turns;
        const std::vector<double>& t = host.Turn;
        if (t.size() >= 4) {
            restart.push_back(t[0]);
            planning.push_back(t[1]);
            falling.insert(falling.end(), t.begin() + 2, t.end() - 2);
            landing.push_back(t[t.size() - 2]);
            finish.push_back(t.back());
        }
        MSG msg;
        while (PeekMessageA(&msg, nullptr, 0, 0, PM_REMOVE)) DispatchMessageA(&msg);
    }
    std::printf("turns played: %d in %.0f s (no pause between turns), score %d, lines %d\n", turns,
                seconds, Rowfall.Score, Rowfall.Lines);
    Report("restart check", restart);
    Report("planning pass", planning);
    Report("falling passes", falling);
    Report("landing pass", landing);
    Report("finish", finish);
    Form.SetWindow(nullptr);
    DestroyWindow(window);
    return 0;
}
