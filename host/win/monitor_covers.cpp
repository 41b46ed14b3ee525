#include "host/win/monitor_covers.h"

#include "host/win/host_state.h"
#include "host/win/monitors.h"
#include "host/win/saver_input.h"

TMonitorCovers MonitorCovers;

namespace {

const char CoverClassName[] = "Korvex Rowfall Monitor Cover";

// Input on a cover counts as input on the saver window.
LRESULT CALLBACK CoverWindowProc(HWND window, UINT message, WPARAM wParam, LPARAM lParam) {
    if (HandleSaverInput(window, message, wParam, lParam)) return 0;
    return DefWindowProcA(window, message, wParam, lParam);
}

bool RegisterCoverClass() {
    WNDCLASSEXA coverClass = {};
    coverClass.cbSize = sizeof coverClass;
    coverClass.lpfnWndProc = CoverWindowProc;
    coverClass.hInstance = Instance;
    coverClass.hbrBackground = static_cast<HBRUSH>(GetStockObject(BLACK_BRUSH));
    coverClass.lpszClassName = CoverClassName;
    return RegisterClassExA(&coverClass) != 0;
}

HWND CreateCover(const RECT& area) {
    // Owned by the saver window: out of the taskbar and Alt+Tab. Topmost, as the
    // saver window, so no always-on-top window or taskbar shows through.
    HWND cover = CreateWindowExA(WS_EX_TOPMOST, CoverClassName, "", WS_POPUP, area.left, area.top,
                                 area.right - area.left, area.bottom - area.top, SaverWindow,
                                 nullptr, Instance, nullptr);
    // Shown without taking the activation from the saver window.
    if (cover) ShowWindow(cover, SW_SHOWNA);
    return cover;
}

}  // namespace

TMonitorCovers::~TMonitorCovers() { Remove(); }

void TMonitorCovers::Cover(const std::vector<RECT>& taken) {
    std::vector<RECT> bare;
    for (const TMonitor& monitor : OtherMonitors())
        if (!HasArea(taken, monitor.Area)) bare.push_back(monitor.Area);
    if (bare.empty()) return;
    if (!Registered_) Registered_ = RegisterCoverClass();
    if (!Registered_) return;
    for (const RECT& area : bare)
        if (HWND cover = CreateCover(area)) Windows_.push_back(cover);
}

// The new covers first: no moment shows a monitor's desktop.
void TMonitorCovers::Rebuild(const std::vector<RECT>& taken) {
    std::vector<HWND> old;
    old.swap(Windows_);
    Cover(taken);
    for (HWND cover : old) DestroyWindow(cover);
}

void TMonitorCovers::Remove() {
    DestroyCovers();
    if (Registered_) UnregisterClassA(CoverClassName, Instance);
    Registered_ = false;
}

void TMonitorCovers::DestroyCovers() {
    for (HWND cover : Windows_) DestroyWindow(cover);
    Windows_.clear();
}
